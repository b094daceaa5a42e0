#include "informacje.h"
#include "model/stan.h"

#include <QRegularExpression>
#include <QTest>

using namespace edytor;

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void startoweObiekty_data();
    void startoweObiekty();
    void startowyStan();
    void miejsceKomorki_data();
    void miejsceKomorki();
    void adresZnaku_data();
    void adresZnaku();
    void rejestrPary_data();
    void rejestrPary();
    void uklady_data();
    void uklady();
    void wersjaBezZerWiodacych();
};

void TestModel::startoweObiekty_data()
{
    QTest::addColumn<int>("obiekt");
    QTest::addColumn<QList<int>>("kody");
    QTest::addRow("0") << 0 << QList<int>{0, 0, 64, 64};
    QTest::addRow("1") << 1 << QList<int>{1, 1, 65, 65};
    QTest::addRow("42") << 42 << QList<int>{42, 42, 106, 106};
    QTest::addRow("63") << 63 << QList<int>{63, 63, 127, 127};
}

void TestModel::startoweObiekty()
{
    QFETCH(int, obiekt);
    QFETCH(QList<int>, kody);
    const StanEdytora s = StanPoczatkowy();
    for (int k = 0; k < kPozycji; ++k)
        QCOMPARE(int(s.zestaw.Obiekty[k][obiekt]), kody[k]);
}

void TestModel::startowyStan()
{
    const StanEdytora s = StanPoczatkowy();
    for (const auto &zestaw : s.zestaw.Znaki)
        QVERIFY(std::all_of(zestaw.begin(), zestaw.end(), [](Bajt b) { return b == 0; }));
    QCOMPARE(s.zestaw.BuforKodow, (std::array<Bajt, 4>{0, 0, 0, 0}));
    for (int p = 0; p < kKomorek; ++p) {
        QCOMPARE(s.Pixel[p], (Komorka{BAK, qRgb(0, 0, 0)}));
        QCOMPARE(s.bufPixel[p], (Komorka{BAK, qRgb(0, 0, 0)}));
    }
    QCOMPARE(s.KodyEdytowane, (std::array<Bajt, 4>{0, 0, 64, 64}));
    QCOMPARE(s.znakOdwrocony, (std::array<bool, 4>{}));
    QCOMPARE(s.WybranyObiekt, 0);
    QCOMPARE(s.ramki[0], qRgb(255, 255, 255));
    QVERIFY(std::all_of(s.ramki.begin() + 1, s.ramki.end(), [](QRgb c) { return c == qRgb(192, 192, 192); }));
    QCOMPARE(s.WartoscKoloru, (std::array<Bajt, 5>{40, 202, 148, 0, 70}));
    const std::array<QRgb, 5> kolory{qRgb(255, 152, 44), qRgb(39, 249, 39), qRgb(28, 113, 198), qRgb(0, 0, 0),
                                     qRgb(205, 62, 207)};
    QCOMPARE(s.KolorEkranowy, kolory);
    QCOMPARE(int(s.kolorRysowania.nr), int(BAK));
    QCOMPARE(s.kolorRysowania.kolor, qRgb(0, 0, 0));
    QVERIFY(!s.TylkoWybrany);
    QCOMPARE(s.TrybZawartosci, Tryb::Vendra);
    QVERIFY(s.pf3Dostepny());
    QCOMPARE(s.NazwaZestawu, QStringLiteral("ZESTAW.ORB"));
    QCOMPARE(s.wybranaZamiana, -1);

    QCOMPARE(s.miniatury.size(), QSize(2048, 32));
    QCOMPARE(s.podglad.size(), QSize(32, 32));
    QCOMPARE(s.obrazEksportu.size(), QSize(4096, 32));
    for (const QImage *obraz : {&s.miniatury, &s.podglad})
        for (int y = 0; y < obraz->height(); ++y)
            for (int x = 0; x < obraz->width(); ++x)
                QCOMPARE(obraz->pixel(x, y), qRgb(0, 0, 0));
    QCOMPARE(s.obrazEksportu.pixel(4095, 31), qRgb(224, 224, 224));
}

void TestModel::miejsceKomorki_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("znak");
    QTest::addColumn<int>("wiersz");
    QTest::addColumn<int>("piksel");
    QTest::addColumn<int>("X");
    QTest::addColumn<int>("Y");
    QTest::addRow("0: top-left of the object") << 0 << 0 << 0 << 0 << 0 << 0;
    QTest::addRow("31: last of character 0") << 31 << 0 << 7 << 3 << 3 << 7;
    QTest::addRow("32: below character 0") << 32 << 1 << 0 << 0 << 0 << 8;
    QTest::addRow("63") << 63 << 1 << 7 << 3 << 3 << 15;
    QTest::addRow("64: right of character 0") << 64 << 2 << 0 << 0 << 4 << 0;
    QTest::addRow("70") << 70 << 2 << 1 << 2 << 6 << 1;
    QTest::addRow("127: bottom-right") << 127 << 3 << 7 << 3 << 7 << 15;
}

void TestModel::miejsceKomorki()
{
    QFETCH(int, p);
    QFETCH(int, znak);
    QFETCH(int, wiersz);
    QFETCH(int, piksel);
    QFETCH(int, X);
    QFETCH(int, Y);
    const MiejsceKomorki m = edytor::miejsceKomorki(p);
    QCOMPARE(m.znak, znak);
    QCOMPARE(m.wiersz, wiersz);
    QCOMPARE(m.piksel, piksel);
    QCOMPARE(m.kolumnaSiatki(), X);
    QCOMPARE(m.wierszSiatki(), Y);
    QCOMPARE(numerKomorki(znak, wiersz, piksel), p);
}

void TestModel::adresZnaku_data()
{
    QTest::addColumn<int>("pozycja");
    QTest::addColumn<int>("kod");
    QTest::addColumn<int>("zestaw");
    QTest::addColumn<int>("wpis");
    QTest::addRow("code 72 at the top") << 0 << 72 << 0 << 576;
    QTest::addRow("code 200 is character 72") << 2 << 200 << 0 << 576;
    QTest::addRow("bottom row reads set 1") << 1 << 72 << 1 << 576;
    QTest::addRow("code 255") << 3 << 255 << 1 << 1016;
    QTest::addRow("code 128 is character 0") << 0 << 128 << 0 << 0;
}

void TestModel::adresZnaku()
{
    QFETCH(int, pozycja);
    QFETCH(int, kod);
    QFETCH(int, zestaw);
    QFETCH(int, wpis);
    Zestaw z;
    for (int w = 0; w < 2; ++w)
        for (int n = 0; n < kBajtowZestawuZnakow; ++n)
            z.Znaki[w][n] = Bajt((n * 7 + w * 101) & 0xFF);
    for (int r = 0; r < 8; ++r)
        QCOMPARE(z.wierszZnaku(pozycja, Bajt(kod), r), z.Znaki[zestaw][wpis + r]);
}

void TestModel::rejestrPary_data()
{
    QTest::addColumn<int>("para");
    QTest::addColumn<bool>("negatyw");
    QTest::addColumn<int>("rejestr");
    QTest::addRow("00") << 0 << false << int(BAK);
    QTest::addRow("01") << 1 << false << int(PF0);
    QTest::addRow("10") << 2 << false << int(PF1);
    QTest::addRow("11") << 3 << false << int(PF2);
    QTest::addRow("00 inverted") << 0 << true << int(BAK);
    QTest::addRow("01 inverted") << 1 << true << int(PF0);
    QTest::addRow("11 inverted") << 3 << true << int(PF3);
}

void TestModel::rejestrPary()
{
    QFETCH(int, para);
    QFETCH(bool, negatyw);
    QFETCH(int, rejestr);
    QCOMPARE(int(edytor::rejestrPary(para, negatyw)), rejestr);
    // A row byte of 27 holds the pairs 00, 01, 10, 11 from left to right.
    QCOMPARE(paraPiksela(27, 0), 0);
    QCOMPARE(paraPiksela(27, 1), 1);
    QCOMPARE(paraPiksela(27, 2), 2);
    QCOMPARE(paraPiksela(27, 3), 3);
}

void TestModel::uklady_data()
{
    QTest::addColumn<int>("tryb");
    QTest::addColumn<int>("obiekt");
    QTest::addColumn<QList<int>>("kody");
    QTest::addRow("Vendra 0") << 0 << 0 << QList<int>{0, 0, 64, 64};
    QTest::addRow("Vendra 63") << 0 << 63 << QList<int>{63, 63, 127, 127};
    QTest::addRow("JGP 0") << 1 << 0 << QList<int>{0, 0, 1, 1};
    QTest::addRow("JGP 5") << 1 << 5 << QList<int>{10, 10, 11, 11};
    QTest::addRow("JGP 63") << 1 << 63 << QList<int>{126, 126, 127, 127};
}

void TestModel::uklady()
{
    QFETCH(int, tryb);
    QFETCH(int, obiekt);
    QFETCH(QList<int>, kody);
    Zestaw z;
    UstawUklad(z, static_cast<Tryb>(tryb));
    for (int k = 0; k < kPozycji; ++k)
        QCOMPARE(int(z.Obiekty[k][obiekt]), kody[k]);
}

void TestModel::wersjaBezZerWiodacych()
{
    const QString wersja = QString::fromUtf16(informacje::wersja);
    QVERIFY2(QRegularExpression(QStringLiteral("^(0|[1-9][0-9]*)(\\.(0|[1-9][0-9]*)){2}$")).match(wersja).hasMatch(),
             qPrintable(wersja));
    QVERIFY(informacje::tytulOkna().startsWith(QStringLiteral("Edytor obiektów ") + wersja + u' '));
}

QTEST_GUILESS_MAIN(TestModel)
#include "test_model.moc"
