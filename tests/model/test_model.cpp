#include "informacje.h"
#include "model/stan.h"

#include <QRegularExpression>
#include <QTest>

using namespace edytor;

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void startowyStan();
    void miejsceKomorki_data();
    void miejsceKomorki();
    void adresZnaku_data();
    void adresZnaku();
    void wersjaBezZerWiodacych();
};

void TestModel::startowyStan()
{
    const StanEdytora s = StanPoczatkowy();
    for (const int i : {0, 1, 42, 63})
        QCOMPARE((std::array<int, 4>{s.zestaw.Obiekty[0][i], s.zestaw.Obiekty[1][i], s.zestaw.Obiekty[2][i],
                                     s.zestaw.Obiekty[3][i]}),
                 (std::array<int, 4>{i, i, i + 64, i + 64}));
    for (const auto &zestaw : s.zestaw.Znaki)
        QVERIFY(std::all_of(zestaw.begin(), zestaw.end(), [](Bajt b) { return b == 0; }));
    QCOMPARE(s.zestaw.BuforKodow, (std::array<Bajt, 4>{0, 0, 0, 0}));
    for (int p = 0; p < kKomorek; ++p) {
        QCOMPARE(s.Pixel[p], (Komorka{BAK, qRgb(0, 0, 0)}));
        QCOMPARE(s.bufPixel[p], (Komorka{BAK, qRgb(0, 0, 0)}));
    }
    QCOMPARE(s.KodyEdytowane, (std::array<Bajt, 4>{0, 0, 64, 64}));
    QCOMPARE(s.WartoscKoloru, (std::array<Bajt, 5>{40, 202, 148, 0, 70}));
    // PF1 starts as 39,249,39 although the palette shows 202 as 153,249,39.
    QCOMPARE(s.KolorEkranowy, (std::array<QRgb, 5>{qRgb(255, 152, 44), qRgb(39, 249, 39), qRgb(28, 113, 198),
                                                   qRgb(0, 0, 0), qRgb(205, 62, 207)}));
    QCOMPARE(int(s.kolorRysowania.nr), int(BAK));
    QCOMPARE(s.kolorRysowania.kolor, qRgb(0, 0, 0));
    QCOMPARE(s.NazwaZestawu, QStringLiteral("ZESTAW.ORB"));
    QCOMPARE(s.TrybZawartosci, Tryb::Vendra);
    QVERIFY(!s.TylkoWybrany);
    QCOMPARE(s.ramki[0], qRgb(255, 255, 255));
    QCOMPARE(std::count(s.ramki.begin(), s.ramki.end(), qRgb(192, 192, 192)), 63);
    QCOMPARE(s.miniatury.size(), QSize(2048, 32));
    QCOMPARE(s.obrazEksportu.size(), QSize(4096, 32));
    for (const QImage *obraz : {&s.miniatury, &s.podglad}) {
        QImage czarny(obraz->size(), obraz->format());
        czarny.fill(qRgb(0, 0, 0));
        QCOMPARE(*obraz, czarny);
    }
}

void TestModel::miejsceKomorki_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<QList<int>>("znakWierszPiksel");
    QTest::addRow("0") << 0 << QList<int>{0, 0, 0};
    QTest::addRow("31") << 31 << QList<int>{0, 7, 3};
    QTest::addRow("32: top-left of the bottom-left character") << 32 << QList<int>{1, 0, 0};
    QTest::addRow("64: top-left of the top-right character") << 64 << QList<int>{2, 0, 0};
    QTest::addRow("70") << 70 << QList<int>{2, 1, 2};
    QTest::addRow("127") << 127 << QList<int>{3, 7, 3};
}

void TestModel::miejsceKomorki()
{
    QFETCH(int, p);
    QFETCH(QList<int>, znakWierszPiksel);
    QCOMPARE(numerKomorki(znakWierszPiksel[0], znakWierszPiksel[1], znakWierszPiksel[2]), p);
}

void TestModel::adresZnaku_data()
{
    QTest::addColumn<int>("pozycja");
    QTest::addColumn<int>("kod");
    QTest::addColumn<int>("zestaw");
    QTest::addColumn<int>("wpis");
    QTest::addRow("code 72 at the top") << 0 << 72 << 0 << 576;
    QTest::addRow("code 200 is character 72") << 2 << 200 << 0 << 576;
    QTest::addRow("the bottom row reads set 1") << 1 << 72 << 1 << 576;
    QTest::addRow("code 255") << 3 << 255 << 1 << 1016;
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

void TestModel::wersjaBezZerWiodacych()
{
    const QString wersja = QString::fromUtf16(informacje::wersja);
    QVERIFY2(QRegularExpression(QStringLiteral("^(0|[1-9][0-9]*)(\\.(0|[1-9][0-9]*)){2}$")).match(wersja).hasMatch(),
             qPrintable(wersja));
    QVERIFY(informacje::tytulOkna().startsWith(QStringLiteral("Edytor obiektów ") + wersja + u' '));
    QVERIFY(informacje::liniaAutorska().startsWith(informacje::nazwaIWersja()));
}

QTEST_GUILESS_MAIN(TestModel)
#include "test_model.moc"
