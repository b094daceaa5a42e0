#include "informacje.h"
#include "io/formaty.h"
#include "io/pliki.h"
#include "edit/kolory.h"
#include "view/miniatury.h"
#include "../wspolne/pomocnicze.h"
#include "../wspolne/skryptowedialogi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace edytor;
using namespace edytor::testy;
using Odp = Dialogi::Odpowiedz;

namespace {


int bajt(const QByteArray &b, qsizetype i)
{
    return quint8(b.at(i));
}

QByteArray znakiWzorzyste(qsizetype rozmiar)
{
    QByteArray b(rozmiar, Qt::Uninitialized);
    for (qsizetype i = 0; i < rozmiar; ++i)
        b[i] = char(i * 7 + i / 256);
    return b;
}

/** A set file written by hand: object i holds the given codes, colours follow a pattern. */
QByteArray plikZestawu(const std::function<std::array<int, 4>(int)> &kody)
{
    QByteArray b = znakiWzorzyste(kRozmiarZnakow);
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < 64; ++i)
            b.append(char(kody(i)[k]));
    b.append(QByteArray(256, '\x5A'));  // an inverse table that matches nothing
    for (int j = 0; j < 5; ++j)
        b.append(char(100 + j));
    for (int j = 0; j < 15; ++j)
        b.append(char(10 * j + 1));
    return b;
}

} // namespace

class TestIo : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void plikSwiezegoZestawu();
    void kody0i128();
    void zapisPytaIKonczy_data();
    void zapisPytaIKonczy();
    void nieudanyZapisZostawiaStaryPlik();
    void rozmiary_data();
    void rozmiary();
    void importPytanieJGP_data();
    void importPytanieJGP();
    void wczytanieZestawu_data();
    void wczytanieZestawu();
    void nieudanyOdczytZostawiaZestaw();
    void eksportSwiezegoZestawu_data();
    void eksportSwiezegoZestawu();
    void eksportObrazu();
    void folderEksportu();

private:
    std::unique_ptr<QTemporaryDir> m_katalog;
    QString m_poprzedniKatalog;
    StanEdytora m_stan;
    SkryptoweDialogi m_dialogi;
    QString sciezka(const QString &nazwa) const { return m_katalog->filePath(nazwa); }
};

void TestIo::init()
{
    m_poprzedniKatalog = QDir::currentPath();
    m_katalog = std::make_unique<QTemporaryDir>();
    QVERIFY(m_katalog->isValid());
    QDir::setCurrent(m_katalog->path());
    m_stan = StanPoczatkowy();
    m_dialogi = SkryptoweDialogi();
}

void TestIo::cleanup()
{
    QDir::setCurrent(m_poprzedniKatalog);
    m_katalog.reset();
    QVERIFY2(m_dialogi.bledy.isEmpty(), qPrintable(m_dialogi.bledy.join(u'\n')));
    QVERIFY(m_dialogi.pliki.isEmpty() && m_dialogi.odpowiedzi.isEmpty());  // the script was played out
}

void TestIo::plikSwiezegoZestawu()
{
    m_dialogi.pliki << sciezka(QStringLiteral("ZESTAW.ORB"));
    Zapisz(m_stan, m_dialogi);
    const QByteArray b = czytaj(sciezka(QStringLiteral("ZESTAW.ORB")));
    QCOMPARE(b.size(), 2580);
    for (int n = 0; n < 2048; ++n)
        QCOMPARE(bajt(b, n), 0);
    for (int i = 0; i < 64; ++i) {
        QCOMPARE(bajt(b, 2048 + i), i);
        QCOMPARE(bajt(b, 2112 + i), i);
        QCOMPARE(bajt(b, 2176 + i), i + 64);
        QCOMPARE(bajt(b, 2240 + i), i + 64);
        QCOMPARE(bajt(b, 2304 + i), i + 128);
        QCOMPARE(bajt(b, 2368 + i), i + 128);
        QCOMPARE(bajt(b, 2432 + i), i + 192);
        QCOMPARE(bajt(b, 2496 + i), i + 192);
    }
    QCOMPARE(b.mid(2560), QByteArray::fromHex("28CA944600" "FF982C" "27F927" "1C71C6" "CD3ECF" "000000"));

    const auto &p = m_dialogi.pytania.at(0);
    QVERIFY(p.zapis);
    QCOMPARE(p.filtr, QStringLiteral("Obiekty ORB$4+ (*.ORB)|*.ORB|Wszystkie pliki (*.*)|*.*"));
    QCOMPARE(p.proponowanaNazwa, QStringLiteral("ZESTAW.ORB"));
    QCOMPARE(QDir(p.folder), QDir(m_katalog->path()));
    QCOMPARE(m_dialogi.komunikaty.size(), 1);
    QCOMPARE(m_dialogi.komunikaty[0].tekst, QStringLiteral("Zestaw znaków został pomyślnie zapisany"));
    QCOMPARE(m_dialogi.komunikaty[0].tytul, QStringLiteral("Informacja"));
    QCOMPARE(m_dialogi.komunikaty[0].ikona, Dialogi::Ikona::Informacja);
}

void TestIo::kody0i128()
{
    DaneZestawu d;
    d.Obiekty[0][0] = 128;
    d.Obiekty[3][63] = 0;
    d.Obiekty[1][5] = 255;
    const QByteArray b = ZakodujZestaw(d);
    QCOMPARE(bajt(b, 2048), 128);
    QCOMPARE(bajt(b, 2304), 0);
    QCOMPARE(bajt(b, 2048 + 255), 0);
    QCOMPARE(bajt(b, 2304 + 255), 128);
    QCOMPARE(bajt(b, 2112 + 5), 255);
    QCOMPARE(bajt(b, 2368 + 5), 127);
}

void TestIo::zapisPytaIKonczy_data()
{
    QTest::addColumn<bool>("istnieje");
    QTest::addColumn<bool>("anuluj");
    QTest::addColumn<bool>("zapisano");
    QTest::addRow("new file") << false << false << true;
    QTest::addRow("overwrite OK") << true << false << true;
    QTest::addRow("overwrite cancelled") << true << true << false;
}

void TestIo::zapisPytaIKonczy()
{
    QFETCH(bool, istnieje);
    QFETCH(bool, anuluj);
    QFETCH(bool, zapisano);
    QDir(m_katalog->path()).mkdir(QStringLiteral("pod"));
    const QString cel = sciezka(QStringLiteral("pod/bez rozszerzenia"));
    if (istnieje)
        QVERIFY(zapisz(cel, "stary"));
    m_dialogi.pliki << QStringLiteral("pod/bez rozszerzenia");  // relative to the folder the dialog opened in
    if (istnieje)
        m_dialogi.odpowiedzi << (anuluj ? Odp::Anuluj : Odp::Ok);
    Zapisz(m_stan, m_dialogi);
    QCOMPARE(czytaj(cel).size(), zapisano ? 2580 : 5);
    QCOMPARE(m_stan.NazwaZestawu, zapisano ? QStringLiteral("bez rozszerzenia") : QStringLiteral("ZESTAW.ORB"));
    QCOMPARE(QDir::current(), QDir(sciezka(QStringLiteral("pod"))));  // the dialog left us there
    if (istnieje) {
        QCOMPARE(m_dialogi.komunikaty[0].tekst, QStringLiteral("Plik już istnieje!\nZastąpić?"));
        QCOMPARE(m_dialogi.komunikaty[0].tytul, QStringLiteral("Ostrzeżenie!"));
        QCOMPARE(m_dialogi.komunikaty[0].przyciski, Dialogi::Przyciski::OkAnuluj);
        QCOMPARE(m_dialogi.komunikaty[0].ikona, Dialogi::Ikona::Ostrzezenie);
    }
    QCOMPARE(m_dialogi.komunikaty.size(), int(istnieje) + int(zapisano));

    // Cancelling the dialog writes nothing and says nothing.
    m_dialogi.komunikaty.clear();
    m_dialogi.pliki << std::nullopt;
    Zapisz(m_stan, m_dialogi);
    QVERIFY(m_dialogi.komunikaty.isEmpty());
}

void TestIo::nieudanyZapisZostawiaStaryPlik()
{
    // Writing more than the file size limit fails for every user, root included.
    const QString cel = sciezka(QStringLiteral("ZESTAW.ORB"));
    QVERIFY(zapisz(cel, "poprzednia zawartosc"));
    rlimit stary{};
    getrlimit(RLIMIT_FSIZE, &stary);
    const auto poprzedniSygnal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit maly = stary;
    maly.rlim_cur = 1000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &maly), 0);
    m_dialogi.pliki << cel;
    m_dialogi.odpowiedzi << Odp::Ok;
    Zapisz(m_stan, m_dialogi);
    setrlimit(RLIMIT_FSIZE, &stary);
    std::signal(SIGXFSZ, poprzedniSygnal);

    QCOMPARE(czytaj(cel), QByteArray("poprzednia zawartosc"));
    QCOMPARE(m_dialogi.komunikaty.size(), 2);
    const auto &blad = m_dialogi.komunikaty[1];
    QVERIFY2(blad.tekst.startsWith(QStringLiteral("Nie udało się zapisać pliku!\n") + cel + u'\n'), qPrintable(blad.tekst));
    QVERIFY(blad.tekst.size() > QStringLiteral("Nie udało się zapisać pliku!\n").size() + cel.size() + 1);
    QCOMPARE(blad.tytul, QStringLiteral("Uwaga!"));
    QCOMPARE(blad.ikona, Dialogi::Ikona::Blad);
    QCOMPARE(m_stan.NazwaZestawu, QStringLiteral("ZESTAW.ORB"));
    QCOMPARE(QDir(m_katalog->path()).entryList(QDir::Files), QStringList{QStringLiteral("ZESTAW.ORB")});
}

void TestIo::rozmiary_data()
{
    QTest::addColumn<int>("rozmiar");
    QTest::addColumn<bool>("przyjety");
    QTest::addRow("empty") << 0 << false;
    QTest::addRow("2047") << 2047 << false;
    QTest::addRow("2049") << 2049 << false;
    QTest::addRow("2579") << 2579 << false;
    QTest::addRow("2581") << 2581 << false;
    QTest::addRow("2048") << 2048 << true;
    QTest::addRow("2054") << 2054 << true;
    QTest::addRow("2580") << 2580 << true;
}

void TestIo::rozmiary()
{
    QFETCH(int, rozmiar);
    QFETCH(bool, przyjety);
    QCOMPARE(rodzajPliku(rozmiar) != RodzajPliku::Niepoprawny, przyjety);
    const QString plik = sciezka(QStringLiteral("X.ORB"));
    QVERIFY(zapisz(plik, znakiWzorzyste(rozmiar)));
    m_stan.TylkoWybrany = true;
    const auto znakiPrzed = m_stan.zestaw.Znaki;
    m_dialogi.pliki << plik;
    if (przyjety && rozmiar != 2580)
        m_dialogi.odpowiedzi << Odp::Nie;
    Wczytaj(m_stan, m_dialogi);
    QVERIFY(!m_stan.TylkoWybrany);
    if (przyjety) {
        QCOMPARE(m_stan.NazwaZestawu, QStringLiteral("X.ORB"));
        return;
    }
    QCOMPARE(m_dialogi.komunikaty.size(), 1);
    QCOMPARE(m_dialogi.komunikaty[0].tekst, QStringLiteral("Niepoprawny format pliku!"));
    QCOMPARE(m_dialogi.komunikaty[0].tytul, QStringLiteral("Uwaga!"));
    QCOMPARE(m_dialogi.komunikaty[0].ikona, Dialogi::Ikona::Blad);
    QVERIFY(m_stan.zestaw.Znaki == znakiPrzed);
    QCOMPARE(m_stan.NazwaZestawu, QStringLiteral("ZESTAW.ORB"));
}

void TestIo::importPytanieJGP_data()
{
    QTest::addColumn<int>("trybPrzed");
    QTest::addColumn<int>("odpowiedz");  // -1: no question expected
    QTest::addColumn<int>("trybPo");
    QTest::addColumn<QList<int>>("obiekt0");
    QTest::addRow("Vendra, No") << 0 << int(Odp::Nie) << 0 << QList<int>{0, 0, 64, 64};
    QTest::addRow("Vendra, Yes") << 0 << int(Odp::Tak) << 1 << QList<int>{0, 0, 1, 1};
    QTest::addRow("JGP, no question") << 1 << -1 << 1 << QList<int>{0, 0, 1, 1};
}

void TestIo::importPytanieJGP()
{
    QFETCH(int, trybPrzed);
    QFETCH(int, odpowiedz);
    QFETCH(int, trybPo);
    QFETCH(QList<int>, obiekt0);
    m_stan.TrybZawartosci = static_cast<Tryb>(trybPrzed);
    m_stan.WartoscKoloru[PF0] = 77;
    const QByteArray znaki = znakiWzorzyste(2048);
    QVERIFY(zapisz(sciezka(QStringLiteral("FONT.FN2")), znaki));
    m_dialogi.pliki << sciezka(QStringLiteral("FONT.FN2"));
    if (odpowiedz >= 0)
        m_dialogi.odpowiedzi << static_cast<Odp>(odpowiedz);
    WybierzObiekt(m_stan, 17);
    Wczytaj(m_stan, m_dialogi);
    if (odpowiedz >= 0) {
        QCOMPARE(m_dialogi.komunikaty[0].tekst,
                 QStringLiteral("Wykryto próbę odczytu pliku tylko z danymi znaków.\nCzy chcesz włączyć tryb zawartości zgodny z \"JGP\"?"));
        QCOMPARE(m_dialogi.komunikaty[0].przyciski, Dialogi::Przyciski::TakNie);
        QCOMPARE(m_dialogi.komunikaty[0].ikona, Dialogi::Ikona::Ostrzezenie);
    }
    QCOMPARE(int(m_stan.TrybZawartosci), trybPo);
    QCOMPARE(ZakodujZnaki(m_stan.zestaw.Znaki), znaki);
    for (int k = 0; k < 4; ++k)
        QCOMPARE(int(m_stan.zestaw.Obiekty[k][0]), obiekt0[k]);
    QCOMPARE(int(m_stan.zestaw.Obiekty[2][63]), trybPo == 0 ? 127 : 127);
    QCOMPARE(int(m_stan.zestaw.Obiekty[0][63]), trybPo == 0 ? 63 : 126);
    QCOMPARE(int(m_stan.WartoscKoloru[PF0]), 77);  // an import keeps the colours
    QCOMPARE(m_stan.NazwaZestawu, QStringLiteral("FONT.FN2"));
    QCOMPARE(m_stan.WybranyObiekt, 17);
    QCOMPARE(m_stan.ramki[17], qRgb(255, 0, 0));  // reopened
    QCOMPARE(int(m_stan.KodyEdytowane[0]), int(m_stan.zestaw.Obiekty[0][17]));
}

void TestIo::wczytanieZestawu_data()
{
    QTest::addColumn<int>("trybPrzed");
    QTest::addColumn<int>("uklad");  // 0: object i = i, i, i+64, i+64; 1: 2i, 2i, 2i+1, 2i+1; 2: object 0 = 10, 10, 74, 74, rest JGP
    QTest::addColumn<int>("trybPo");
    QTest::addRow("Vendra file in Vendra") << 0 << 0 << 0;
    QTest::addRow("JGP file in Vendra") << 0 << 1 << 1;
    QTest::addRow("JGP file in JGP") << 1 << 1 << 1;
    QTest::addRow("object 0 decides") << 1 << 2 << 0;
}

void TestIo::wczytanieZestawu()
{
    QFETCH(int, trybPrzed);
    QFETCH(int, uklad);
    QFETCH(int, trybPo);
    const QByteArray plik = plikZestawu([uklad](int i) -> std::array<int, 4> {
        if (uklad == 2 && i == 0)
            return {10, 10, 74, 74};
        if (uklad == 0)
            return {i, i, i + 64, i + 64};
        return {2 * i, 2 * i, 2 * i + 1, 2 * i + 1};
    });
    QVERIFY(zapisz(sciezka(QStringLiteral("a.orb")), plik));
    m_stan.TrybZawartosci = static_cast<Tryb>(trybPrzed);
    m_stan.Pixel[5] = {PF0, qRgb(255, 152, 44)};
    m_stan.bufPixel[9] = {PF3, qRgb(205, 62, 207)};
    WybierzKolor(m_stan, PF1);
    const QRgb kopiaRysowania = m_stan.kolorRysowania.kolor;
    WybierzObiekt(m_stan, 17);
    m_dialogi.pliki << sciezka(QStringLiteral("a.orb"));
    Wczytaj(m_stan, m_dialogi);

    QVERIFY(m_dialogi.komunikaty.isEmpty());  // no question for set files, no message on success
    QCOMPARE(int(m_stan.TrybZawartosci), trybPo);
    QCOMPARE(m_stan.WartoscKoloru, (std::array<Bajt, 5>{100, 101, 102, 104, 103}));
    const std::array<QRgb, 5> kolory{qRgb(1, 11, 21), qRgb(31, 41, 51), qRgb(61, 71, 81), qRgb(121, 131, 141),
                                     qRgb(91, 101, 111)};
    QCOMPARE(m_stan.KolorEkranowy, kolory);
    QCOMPARE(m_stan.bufPixel[9].kolor, kolory[PF3]);  // the buffer takes the new colours, keeps its registers
    QCOMPARE(int(m_stan.bufPixel[9].nr), int(PF3));
    QCOMPARE(m_stan.kolorRysowania.kolor, kopiaRysowania);  // the drawing register keeps its copy
    QCOMPARE(m_stan.WybranyObiekt, 17);
    QCOMPARE(m_stan.ramki[17], qRgb(255, 0, 0));
    if (trybPo == trybPrzed && uklad != 2) {  // no switch ran: the file's table and characters stand
        QCOMPARE(ZakodujZnaki(m_stan.zestaw.Znaki), plik.left(2048));
        QCOMPARE(ZakodujKody(m_stan.zestaw.Obiekty).left(256), plik.mid(2048, 256));
    }
    QCOMPARE(int(m_stan.KodyEdytowane[0]), int(m_stan.zestaw.Obiekty[0][17]));
    // Every thumbnail was redrawn in the loaded colours.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 2048; ++x)
            QVERIFY(std::find(kolory.begin(), kolory.end(), m_stan.miniatury.pixel(x, y)) != kolory.end());
}

void TestIo::nieudanyOdczytZostawiaZestaw()
{
    m_stan.zestaw.Znaki[1][7] = 9;
    const auto przed = m_stan.zestaw;
    QDir(m_katalog->path()).mkdir(QStringLiteral("katalog.ORB"));
    for (const QString &nazwa : {QStringLiteral("katalog.ORB"), QStringLiteral("brak.ORB")}) {
        m_dialogi.komunikaty.clear();
        m_dialogi.pliki << sciezka(nazwa);
        Wczytaj(m_stan, m_dialogi);
        QCOMPARE(m_dialogi.komunikaty.size(), 1);
        QVERIFY(m_dialogi.komunikaty[0].tekst.startsWith(QStringLiteral("Nie udało się odczytać pliku!\n") + sciezka(nazwa) + u'\n'));
        QCOMPARE(m_dialogi.komunikaty[0].tytul, QStringLiteral("Uwaga!"));
        QVERIFY(m_stan.zestaw.Znaki == przed.Znaki && m_stan.zestaw.Obiekty == przed.Obiekty);
        QCOMPARE(m_stan.NazwaZestawu, QStringLiteral("ZESTAW.ORB"));
    }
}

void TestIo::eksportSwiezegoZestawu_data()
{
    QTest::addColumn<QString>("wpisana");
    QTest::addColumn<QString>("nazwa");
    QTest::addRow("proposed name") << QString() << QStringLiteral("ZESTAW.ORB");
    QTest::addRow("with an extension") << QStringLiteral("DANE.ND") << QStringLiteral("DANE.ND");
    QTest::addRow("without one") << QStringLiteral("DANE") << QStringLiteral("DANE");
}

void TestIo::eksportSwiezegoZestawu()
{
    QFETCH(QString, wpisana);
    QFETCH(QString, nazwa);
    const QString folder = sciezka(QStringLiteral("ORB_EXPORT"));
    m_dialogi.pliki << folder + u'/' + nazwa;
    Eksportuj(m_stan, m_dialogi);
    const auto &p = m_dialogi.pytania.at(0);
    QCOMPARE(p.folder, folder);
    QCOMPARE(p.filtr, QStringLiteral("Nowe dane (znaki, kody, kolory, grafika|*.ND"));
    QCOMPARE(p.proponowanaNazwa, QStringLiteral("ZESTAW.ORB"));
    const QString baza = folder + u'/' + nazwa;
    QCOMPARE(czytaj(baza + QStringLiteral(".FN2")), QByteArray(2048, '\0'));
    QByteArray kody;
    for (const int start : {0, 0, 64, 64, 128, 128, 192, 192})
        for (int i = 0; i < 64; ++i)
            kody.append(char(start + i));
    QCOMPARE(czytaj(baza + QStringLiteral(".KODY")), kody);
    QCOMPARE(czytaj(baza + QStringLiteral(".KOLORY")), QByteArray::fromHex("28CA944600"));
    QCOMPARE(QString::fromUtf8(czytaj(baza)), informacje::liniaAutorska());
    QVERIFY(!czytaj(baza).endsWith('\n'));
    const QImage obraz(baza + QStringLiteral(".TILES.BMP"));
    QCOMPARE(obraz.size(), QSize(4096, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 4096; ++x)
            QCOMPARE(obraz.pixel(x, y), qRgb(0, 0, 0));
    QCOMPARE(m_stan.NazwaZestawu, nazwa);
    QCOMPARE(m_dialogi.komunikaty.size(), 1);
    QCOMPARE(m_dialogi.komunikaty[0].tekst, QStringLiteral("Pliki zostały pomyślnie zapisane"));
    QCOMPARE(m_dialogi.komunikaty[0].tytul, QStringLiteral("Informacja"));
}

void TestIo::eksportObrazu()
{
    // Thumbnails with PF0 = PF2's colour: the exchange looks at colours, not registers.
    m_stan.KolorEkranowy[PF0] = m_stan.KolorEkranowy[PF2];
    m_stan.zestaw.Znaki[0][8 * 3] = 0x5F;   // object 3 row 0: PF0 PF0 PF2 PF2
    m_stan.zestaw.Obiekty[2][3] = 128 + 70;  // top-right: inverted character 70
    m_stan.zestaw.Znaki[0][8 * 70] = 0xF0;  // PF3 PF3 BAK BAK
    OdswiezObiekty(m_stan);
    m_dialogi.pliki << sciezka(QStringLiteral("ORB_EXPORT/X"));
    Eksportuj(m_stan, m_dialogi);
    const QByteArray bmp = czytaj(sciezka(QStringLiteral("ORB_EXPORT/X.TILES.BMP")));
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(bajt(bmp, 28), 24);  // bits per pixel
    QCOMPARE(bajt(bmp, 30), 0);   // no compression
    const QImage obraz = QImage::fromData(bmp, "BMP");
    const QRgb pf2 = m_stan.KolorEkranowy[PF2], pf3 = m_stan.KolorEkranowy[PF3];
    const std::array<QRgb, 8> lewa{pf2, pf2, pf2, pf2, pf3, pf3, 0xFF000000, 0xFF000000};
    for (int X = 0; X < 8; ++X) {
        QCOMPARE(obraz.pixel(96 + 4 * X, 0), lewa[X]);
        const QRgb prawa = lewa[X] == pf2 ? pf3 : lewa[X] == pf3 ? pf2 : lewa[X];
        QCOMPARE(obraz.pixel(2048 + 96 + 4 * X + 3, 1), prawa);
    }
}

void TestIo::folderEksportu()
{
    // A second export starts inside ORB_EXPORT and neither nests nor proposes a new one.
    m_dialogi.pliki << sciezka(QStringLiteral("ORB_EXPORT/A")) << sciezka(QStringLiteral("ORB_EXPORT/B"));
    Eksportuj(m_stan, m_dialogi);
    Eksportuj(m_stan, m_dialogi);
    QCOMPARE(m_dialogi.pytania[1].folder, sciezka(QStringLiteral("ORB_EXPORT")));
    QVERIFY(!QFileInfo::exists(sciezka(QStringLiteral("ORB_EXPORT/ORB_EXPORT"))));
    QCOMPARE(m_stan.NazwaZestawu, QStringLiteral("B"));

    // A folder with the word anywhere in its path counts; in small letters it does not.
    for (const QString &nazwa : {QStringLiteral("ORB_EXPORT_OLD"), QStringLiteral("orb_export")}) {
        QDir(m_katalog->path()).mkdir(nazwa);
        QDir::setCurrent(sciezka(nazwa));
        m_dialogi.pliki << std::nullopt;
        Eksportuj(m_stan, m_dialogi);
        const bool liczySie = nazwa.startsWith(u'O');
        QCOMPARE(m_dialogi.pytania.last().folder, liczySie ? sciezka(nazwa) : sciezka(nazwa + QStringLiteral("/ORB_EXPORT")));
        QCOMPARE(QFileInfo::exists(sciezka(nazwa + QStringLiteral("/ORB_EXPORT"))), !liczySie);
    }
    // An existing base file asks first; Cancel writes nothing.
    m_dialogi.pliki << sciezka(QStringLiteral("ORB_EXPORT/A"));
    m_dialogi.odpowiedzi << Odp::Anuluj;
    QFile::remove(sciezka(QStringLiteral("ORB_EXPORT/A.FN2")));
    Eksportuj(m_stan, m_dialogi);
    QVERIFY(!QFileInfo::exists(sciezka(QStringLiteral("ORB_EXPORT/A.FN2"))));
    QCOMPARE(m_stan.NazwaZestawu, QStringLiteral("B"));
}

QTEST_GUILESS_MAIN(TestIo)
#include "test_io.moc"
