// File faults that hold for every user, root included (permission bits stop nothing there):
// a save that cannot happen, an export that stops half-way, a file that changes between the
// size test and the read.

#include "../wspolne/skryptowedialogi.h"
#include "edit/kolory.h"
#include "edit/malowanie.h"
#include "edit/tryby.h"
#include "io/formaty.h"
#include "io/pliki.h"
#include "view/miniatury.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace edytor;
using Odp = Dialogi::Odpowiedz;

namespace {

QByteArray czytaj(const QString &sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void zapisz(const QString &sciezka, const QByteArray &bajty)
{
    QFile f(sciezka);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bajty), bajty.size());
}

QByteArray wzor(qsizetype rozmiar, int ziarno)
{
    QByteArray b(rozmiar, Qt::Uninitialized);
    for (qsizetype i = 0; i < rozmiar; ++i)
        b[i] = char(i * 13 + ziarno + i / 251);
    return b;
}

/** Every entry under a folder with its content (folders marked), to show that nothing changed or was left
 * behind. */
QMap<QString, QByteArray> zawartosc(const QString &katalog)
{
    QMap<QString, QByteArray> wynik;
    QDirIterator it(katalog, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sciezka = it.next();
        wynik.insert(QDir(katalog).relativeFilePath(sciezka),
                     it.fileInfo().isDir() ? QByteArray("<folder>") : czytaj(sciezka));
    }
    return wynik;
}

/** An error box about a file: "<what>\n<full path>\n<reason>", titled "Uwaga!", with the error icon and OK.
 */
void sprawdzBlad(const SkryptoweDialogi::Komunikat &k, const QString &co, const QString &sciezka)
{
    const QStringList linie = k.tekst.split(u'\n');
    QCOMPARE(linie.size(), 3);
    QCOMPARE(linie[0], co);
    QCOMPARE(linie[1], QFileInfo(sciezka).absoluteFilePath());
    QVERIFY2(!linie[2].trimmed().isEmpty(), "no reason given");
    QCOMPARE(k.tytul, QStringLiteral("Uwaga!"));
    QCOMPARE(k.ikona, Dialogi::Ikona::Blad);
    QCOMPARE(k.przyciski, Dialogi::Przyciski::Ok);
}

enum class Przeszkoda { DlugaNazwa, FolderJestPlikiem, CelJestFolderem };

} // namespace

class TestBledyPlikow : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void nieudanyZapis_data();
    void nieudanyZapis();
    void eksportPrzerwany_data();
    void eksportPrzerwany();
    void plikZmieniaRozmiar_data();
    void plikZmieniaRozmiar();
    void plikZnikaLubPodmieniony_data();
    void plikZnikaLubPodmieniony();

  private:
    std::unique_ptr<QTemporaryDir> m_katalog;
    QString m_poprzedniKatalog;
    StanEdytora m_stan;
    SkryptoweDialogi m_dialogi;
    QString sciezka(const QString &nazwa) const { return m_katalog->filePath(nazwa); }
};

void TestBledyPlikow::init()
{
    m_poprzedniKatalog = QDir::currentPath();
    m_katalog = std::make_unique<QTemporaryDir>();
    QVERIFY(m_katalog->isValid());
    QDir::setCurrent(m_katalog->path());
    m_dialogi = SkryptoweDialogi();

    // An edited state that a load must not disturb: characters, colours, cells, selection, name.
    m_stan = StanPoczatkowy();
    const QByteArray znaki = wzor(kRozmiarZnakow, 5);
    for (int n = 0; n < kRozmiarZnakow; ++n)
        m_stan.zestaw.Znaki[n / kBajtowZestawuZnakow][n % kBajtowZestawuZnakow] = Bajt(znaki[n]);
    m_stan.zestaw.Obiekty[2][5] |= kBitNegatywu;
    WybierzObiekt(m_stan, 5);
    OdswiezObiekty(m_stan);
    WybierzKolor(m_stan, PF3);
    MalujKomorke(m_stan, 70, 1);
    m_stan.NazwaZestawu = QStringLiteral("STARY.ORB");
}

void TestBledyPlikow::cleanup()
{
    QDir::setCurrent(m_poprzedniKatalog);
    m_katalog.reset();
    QVERIFY2(m_dialogi.bledy.isEmpty(), qPrintable(m_dialogi.bledy.join(u'\n')));
    QVERIFY(m_dialogi.pliki.isEmpty() && m_dialogi.odpowiedzi.isEmpty()); // the script was played out
}

void TestBledyPlikow::nieudanyZapis_data()
{
    QTest::addColumn<Przeszkoda>("przeszkoda");
    QTest::addColumn<QString>("cel");
    QTest::addColumn<bool>("pyta"); // the target exists: "Plik już istnieje!" comes first
    // The new content goes to a temporary file beside the target, named after it with 7 more
    // characters: a 250-character name leaves no room for one on any common file system.
    QTest::addRow("no room for a temporary name")
        << Przeszkoda::DlugaNazwa << QString(246, u'Z') + QStringLiteral(".ORB") << true;
    QTest::addRow("the folder is a file")
        << Przeszkoda::FolderJestPlikiem << QStringLiteral("plik/ZESTAW.ORB") << false;
    QTest::addRow("the target is a folder")
        << Przeszkoda::CelJestFolderem << QStringLiteral("ZESTAW.ORB") << true;
}

void TestBledyPlikow::nieudanyZapis()
{
    QFETCH(Przeszkoda, przeszkoda);
    QFETCH(QString, cel);
    QFETCH(bool, pyta);
    switch (przeszkoda) {
    case Przeszkoda::DlugaNazwa: zapisz(sciezka(cel), "poprzedni zestaw"); break;
    case Przeszkoda::FolderJestPlikiem:
        zapisz(sciezka(QStringLiteral("plik")), "zwykly plik w miejscu folderu");
        break;
    case Przeszkoda::CelJestFolderem:
        QVERIFY(QDir(m_katalog->path()).mkdir(cel));
        zapisz(sciezka(cel + QStringLiteral("/w_srodku")), "zawartosc folderu");
        break;
    }
    const auto przed = zawartosc(m_katalog->path());
    m_dialogi.pliki << sciezka(cel);
    if (pyta)
        m_dialogi.odpowiedzi << Odp::Ok;
    Zapisz(m_stan, m_dialogi);

    QCOMPARE(zawartosc(m_katalog->path()), przed); // the old file intact, no temporary file left
    QCOMPARE(m_dialogi.komunikaty.size(), 1 + int(pyta));
    if (pyta)
        QCOMPARE(m_dialogi.komunikaty[0].tekst, QStringLiteral("Plik już istnieje!\nZastąpić?"));
    sprawdzBlad(m_dialogi.komunikaty.last(), QStringLiteral("Nie udało się zapisać pliku!"), sciezka(cel));
    QCOMPARE(m_stan.NazwaZestawu, QStringLiteral("STARY.ORB"));
}

void TestBledyPlikow::eksportPrzerwany_data()
{
    // Each row puts a folder where one of the export's files goes; the files before it stay written.
    QTest::addColumn<int>("ktory"); // index into the export's files in the order they are written
    QTest::addRow(".FN2") << 0;
    QTest::addRow(".KODY") << 1;
    QTest::addRow(".KOLORY") << 2;
    QTest::addRow(".TILES.BMP") << 3;
    QTest::addRow("the credit file") << 4;
}

void TestBledyPlikow::eksportPrzerwany()
{
    QFETCH(int, ktory);
    const QStringList rozszerzenia{QStringLiteral(".FN2"), QStringLiteral(".KODY"), QStringLiteral(".KOLORY"),
                                   QStringLiteral(".TILES.BMP"), QString()};
    const QString baza = sciezka(QStringLiteral("ORB_EXPORT/DANE"));
    QVERIFY(QDir(m_katalog->path()).mkpath(QStringLiteral("ORB_EXPORT/DANE") + rozszerzenia[ktory]));
    zapisz(baza + rozszerzenia[ktory] + QStringLiteral("/w_srodku"), "zawartosc folderu");
    const bool pyta = ktory == 4; // the base name exists (as the folder)
    m_dialogi.pliki << baza;
    if (pyta)
        m_dialogi.odpowiedzi << Odp::Ok;
    Eksportuj(m_stan, m_dialogi);

    const std::array<qsizetype, 4> rozmiary{2048, 512, 5, -1};
    for (int n = 0; n < 4; ++n) {
        const QString plik = baza + rozszerzenia[n];
        if (n < ktory) {
            const QByteArray b = czytaj(plik);
            QVERIFY2(rozmiary[n] < 0 ? b.startsWith("BM") : b.size() == rozmiary[n], qPrintable(plik));
        } else if (n > ktory) {
            QVERIFY2(!QFileInfo::exists(plik), qPrintable(plik));
        }
    }
    QCOMPARE(czytaj(baza + rozszerzenia[ktory] + QStringLiteral("/w_srodku")),
             QByteArray("zawartosc folderu"));
    QCOMPARE(QDir(sciezka(QStringLiteral("ORB_EXPORT"))).entryList(QDir::Files | QDir::Hidden).size(), ktory);
    if (ktory > 0)
        QCOMPARE(czytaj(baza + QStringLiteral(".FN2")), ZakodujZnaki(m_stan.zestaw.Znaki));
    // The name follows the written characters file; no success message after a failure.
    QCOMPARE(m_stan.NazwaZestawu, ktory > 0 ? QStringLiteral("DANE") : QStringLiteral("STARY.ORB"));
    QCOMPARE(m_dialogi.komunikaty.size(), 1 + int(pyta));
    sprawdzBlad(m_dialogi.komunikaty.last(), QStringLiteral("Nie udało się zapisać pliku!"),
                baza + rozszerzenia[ktory]);
}

void TestBledyPlikow::plikZmieniaRozmiar_data()
{
    QTest::addColumn<int>("rozmiar");
    QTest::addColumn<int>("nowyRozmiar");
    QTest::addColumn<bool>("tak");
    QTest::addRow("2048 emptied, No") << 2048 << 0 << false;
    QTest::addRow("2048 emptied, Yes") << 2048 << 0 << true;
    QTest::addRow("2048 cut to 1000, No") << 2048 << 1000 << false;
    QTest::addRow("2048 cut by one, Yes") << 2048 << 2047 << true;
    QTest::addRow("2054 cut to 2048, No") << 2054 << 2048 << false;
    QTest::addRow("2054 cut to 2048, Yes") << 2054 << 2048 << true;
    QTest::addRow("2048 grown to 2580, No") << 2048 << 2580 << false;
    QTest::addRow("2048 grown by one, Yes") << 2048 << 2049 << true;
}

void TestBledyPlikow::plikZmieniaRozmiar()
{
    // The file is measured, then the "JGP" question comes, then the read: here the file changes
    // size while the question is on the screen.
    QFETCH(int, rozmiar);
    QFETCH(int, nowyRozmiar);
    QFETCH(bool, tak);
    const QString plik = sciezka(QStringLiteral("ZNAKI.FN2"));
    zapisz(plik, wzor(rozmiar, 77));
    m_dialogi.pliki << plik;
    m_dialogi.odpowiedzi << (tak ? Odp::Tak : Odp::Nie);
    bool zmieniony = false;
    m_dialogi.przyPytaniu = [&](const SkryptoweDialogi::Komunikat &) {
        zmieniony = QFile::resize(plik, nowyRozmiar);
    };
    // A Yes re-lays the set in "JGP" before the read; nothing else may change.
    StanEdytora oczekiwany = m_stan;
    if (tak)
        WybierzTryb(oczekiwany, Tryb::JGP);
    m_stan.TylkoWybrany = true;
    Wczytaj(m_stan, m_dialogi);

    QVERIFY(zmieniony);
    QCOMPARE(m_dialogi.komunikaty.size(), 2);
    QCOMPARE(m_dialogi.komunikaty[0].przyciski, Dialogi::Przyciski::TakNie);
    sprawdzBlad(m_dialogi.komunikaty[1], QStringLiteral("Nie udało się odczytać pliku!"), plik);
    QCOMPARE(m_stan.TrybZawartosci, tak ? Tryb::JGP : Tryb::Vendra);
    QVERIFY(m_stan.zestaw.Znaki == oczekiwany.zestaw.Znaki);
    QVERIFY(m_stan.zestaw.Obiekty == oczekiwany.zestaw.Obiekty);
    QVERIFY(m_stan.Pixel == oczekiwany.Pixel);
    QCOMPARE(m_stan.KolorEkranowy, oczekiwany.KolorEkranowy);
    QCOMPARE(m_stan.WartoscKoloru, oczekiwany.WartoscKoloru);
    QCOMPARE(m_stan.KodyEdytowane, oczekiwany.KodyEdytowane);
    QCOMPARE(m_stan.miniatury, oczekiwany.miniatury);
    QCOMPARE(m_stan.NazwaZestawu, QStringLiteral("STARY.ORB"));
    QCOMPARE(m_stan.WybranyObiekt, 5);
    QVERIFY(!m_stan.TylkoWybrany);
}

void TestBledyPlikow::plikZnikaLubPodmieniony_data()
{
    QTest::addColumn<int>("rozmiar");
    QTest::addColumn<bool>("usun"); // removed; otherwise another file is renamed over it
    QTest::addColumn<bool>("tak");
    QTest::addRow("2048 removed, No") << 2048 << true << false;
    QTest::addRow("2048 removed, Yes") << 2048 << true << true;
    QTest::addRow("2054 removed, No") << 2054 << true << false;
    QTest::addRow("2054 replaced, Yes") << 2054 << false << true;
    QTest::addRow("2048 replaced, No") << 2048 << false << false;
}

void TestBledyPlikow::plikZnikaLubPodmieniony()
{
    // The loader opens the file before it measures it: a file removed or replaced by name in the
    // window before the read is still read whole through the open handle, exactly as measured.
    QFETCH(int, rozmiar);
    QFETCH(bool, usun);
    QFETCH(bool, tak);
    const QString plik = sciezka(QStringLiteral("ZNAKI.FNT"));
    const QByteArray bajty = wzor(rozmiar, 31);
    zapisz(plik, bajty);
    const QString inny = sciezka(QStringLiteral("INNY"));
    zapisz(inny, wzor(kRozmiarZestawu, 99));
    m_dialogi.pliki << plik;
    m_dialogi.odpowiedzi << (tak ? Odp::Tak : Odp::Nie);
    bool zrobione = false;
    m_dialogi.przyPytaniu = [&](const SkryptoweDialogi::Komunikat &) {
        zrobione =
            usun ? QFile::remove(plik)
                 : std::rename(QFile::encodeName(inny).constData(), QFile::encodeName(plik).constData()) == 0;
    };
    Wczytaj(m_stan, m_dialogi);

    QVERIFY(zrobione);
    QCOMPARE(QFileInfo::exists(plik), !usun);
    QCOMPARE(m_dialogi.komunikaty.size(), 1); // the question, no error
    QCOMPARE(ZakodujZnaki(m_stan.zestaw.Znaki), bajty.right(kRozmiarZnakow));
    const Tryb tryb = tak ? Tryb::JGP : Tryb::Vendra;
    QCOMPARE(m_stan.TrybZawartosci, tryb);
    for (int i = 0; i < kObiektow; ++i)
        for (int k = 0; k < kPozycji; ++k)
            QCOMPARE(m_stan.zestaw.Obiekty[k][i], kodUkladu(tryb, k, i));
    QCOMPARE(m_stan.NazwaZestawu, QStringLiteral("ZNAKI.FNT"));
}

QTEST_GUILESS_MAIN(TestBledyPlikow)
#include "test_bledy_plikow.moc"
