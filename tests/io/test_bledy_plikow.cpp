// File faults that hold for every user, root included (permission bits stop nothing there):
// a save that cannot happen, an export that stops half-way, a file that changes or disappears
// between the size test and the read.

#include "../wspolne/skryptowedialogi.h"
#include "edit/kolory.h"
#include "edit/malowanie.h"
#include "edit/tryby.h"
#include "io/formaty.h"
#include "io/pliki.h"
#include "view/miniatury.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "../wspolne/pomocnicze.h"

#include <QTest>

using namespace edytor;
using namespace edytor::testy;
using Odp = Dialogi::Odpowiedz;

namespace {


QByteArray wzor(qsizetype rozmiar)
{
    QByteArray b(rozmiar, Qt::Uninitialized);
    for (qsizetype i = 0; i < rozmiar; ++i)
        b[i] = char(i * 13 + i / 251);
    return b;
}

} // namespace

class TestBledyPlikow : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_katalog;
    QString m_poprzedniKatalog;
    StanEdytora m_stan;
    SkryptoweDialogi m_dialogi;

    QString sciezka(const QString &nazwa) const { return m_katalog->filePath(nazwa); }

    /** The last message is the error box about a file: "<what>\n<full path>\n<reason>", "Uwaga!", OK. */
    void sprawdzBlad(const QString &co, const QString &plik)
    {
        const SkryptoweDialogi::Komunikat &k = m_dialogi.komunikaty.last();
        QVERIFY2(k.tekst.startsWith(co + u'\n' + QFileInfo(plik).absoluteFilePath() + u'\n'),
                 qPrintable(k.tekst));
        QVERIFY2(k.tekst.count(u'\n') == 2 && !k.tekst.section(u'\n', 2).trimmed().isEmpty(),
                 "no reason given");
        QVERIFY(k.tytul == QStringLiteral("Uwaga!") && k.ikona == Dialogi::Ikona::Blad &&
                k.przyciski == Dialogi::Przyciski::Ok);
    }

  private slots:
    void init()
    {
        m_poprzedniKatalog = QDir::currentPath();
        m_katalog = std::make_unique<QTemporaryDir>();
        QVERIFY(m_katalog->isValid());
        QDir::setCurrent(m_katalog->path());
        m_dialogi = SkryptoweDialogi();

        // An edited state that a failed load must not disturb: characters, an inverted code, a PF3 cell.
        m_stan = StanPoczatkowy();
        m_stan.zestaw.Znaki = *OdczytajZnaki(wzor(kRozmiarZnakow));
        m_stan.zestaw.Obiekty[2][5] |= kBitNegatywu;
        WybierzObiekt(m_stan, 5);
        OdswiezObiekty(m_stan);
        WybierzKolor(m_stan, PF3);
        MalujKomorke(m_stan, 70, 1);
        m_stan.NazwaZestawu = QStringLiteral("STARY.ORB");
    }

    void cleanup()
    {
        QDir::setCurrent(m_poprzedniKatalog);
        m_katalog.reset();
        // Nothing unforeseen was asked and the script was played out.
        QVERIFY2(m_dialogi.bledy.isEmpty() && m_dialogi.pliki.isEmpty() && m_dialogi.odpowiedzi.isEmpty(),
                 qPrintable(m_dialogi.bledy.join(u'\n')));
    }

    void nieudanyZapis_data()
    {
        QTest::addColumn<QString>("przeszkoda"); // a file put in the way beforehand
        QTest::addColumn<QString>("cel");
        // The new content goes to a temporary file beside the target, named after it with 7 more
        // characters: a 250-character name leaves no room for one on any common file system.
        const QString dluga = QString(246, u'Z') + QStringLiteral(".ORB");
        QTest::addRow("no room for a temporary name") << dluga << dluga;
        QTest::addRow("the folder is a file") << QStringLiteral("plik") << QStringLiteral("plik/ZESTAW.ORB");
    }

    void nieudanyZapis()
    {
        QFETCH(QString, przeszkoda);
        QFETCH(QString, cel);
        QVERIFY(zapisz(sciezka(przeszkoda), "poprzedni plik"));
        const QStringList przed = QDir(m_katalog->path()).entryList(QDir::AllEntries | QDir::Hidden);
        const bool pyta = QFileInfo::exists(sciezka(cel)); // "Plik już istnieje!" comes first
        m_dialogi.pliki << sciezka(cel);
        if (pyta)
            m_dialogi.odpowiedzi << Odp::Ok;
        Zapisz(m_stan, m_dialogi);

        QCOMPARE(czytaj(sciezka(przeszkoda)), QByteArray("poprzedni plik"));
        QCOMPARE(QDir(m_katalog->path()).entryList(QDir::AllEntries | QDir::Hidden),
                 przed); // no temporary file left
        QCOMPARE(m_dialogi.komunikaty.size(), 1 + int(pyta));
        sprawdzBlad(QStringLiteral("Nie udało się zapisać pliku!"), sciezka(cel));
        QCOMPARE(m_stan.NazwaZestawu, QStringLiteral("STARY.ORB"));
    }

    void eksportPrzerwany_data()
    {
        // A folder stands where one of the export's files goes, in the order they are written.
        QTest::addColumn<int>("ktory");
        QTest::addRow("the first file, .FN2") << 0;
        QTest::addRow("a later one, .TILES.BMP") << 3;
    }

    void eksportPrzerwany()
    {
        QFETCH(int, ktory);
        const QStringList rozszerzenia{QStringLiteral(".FN2"), QStringLiteral(".KODY"),
                                       QStringLiteral(".KOLORY"), QStringLiteral(".TILES.BMP")};
        const QString baza = sciezka(QStringLiteral("ORB_EXPORT/DANE"));
        QVERIFY(QDir().mkpath(baza + rozszerzenia[ktory] + QStringLiteral("/w_srodku")));
        m_dialogi.pliki << baza;
        Eksportuj(m_stan, m_dialogi);

        // The files before it stay written, nothing after it is; the name follows the written .FN2.
        const QByteArray tresci[] = {ZakodujZnaki(m_stan.zestaw.Znaki), ZakodujKody(m_stan.zestaw.Obiekty),
                                     ZakodujKolory(m_stan.WartoscKoloru)};
        for (int n = 0; n < ktory; ++n)
            QCOMPARE(czytaj(baza + rozszerzenia[n]), tresci[n]);
        QCOMPARE(QDir(sciezka(QStringLiteral("ORB_EXPORT"))).entryList(QDir::Files | QDir::Hidden).size(),
                 ktory);
        QCOMPARE(m_stan.NazwaZestawu, ktory > 0 ? QStringLiteral("DANE") : QStringLiteral("STARY.ORB"));
        QCOMPARE(m_dialogi.komunikaty.size(), 1); // the error, no success message
        sprawdzBlad(QStringLiteral("Nie udało się zapisać pliku!"), baza + rozszerzenia[ktory]);
    }

    void plikZmieniaSie_data()
    {
        QTest::addColumn<int>("rozmiar");
        QTest::addColumn<int>("nowyRozmiar"); // -1: removed
        QTest::addColumn<bool>("tak");
        QTest::addRow("2048 emptied, No") << 2048 << 0 << false;
        QTest::addRow("2054 cut to 2048, Yes") << 2054 << 2048 << true;
        QTest::addRow("2048 grown by one, No") << 2048 << 2049 << false;
        // The loader opens the file before it measures it: a removed file is still read whole.
        QTest::addRow("2054 removed, Yes") << 2054 << -1 << true;
    }

    void plikZmieniaSie()
    {
        // The file is measured, then the "JGP" question comes, then the read: here the file changes
        // while the question is on the screen. A change of size stops the load; a Yes has re-laid
        // the set in "JGP" before the read, and nothing else changes.
        QFETCH(int, rozmiar);
        QFETCH(int, nowyRozmiar);
        QFETCH(bool, tak);
        const QString plik = sciezka(QStringLiteral("ZNAKI.FNT"));
        const QByteArray bajty = wzor(rozmiar);
        QVERIFY(zapisz(plik, bajty));
        m_dialogi.pliki << plik;
        m_dialogi.odpowiedzi << (tak ? Odp::Tak : Odp::Nie);
        m_dialogi.przyPytaniu = [&](const SkryptoweDialogi::Komunikat &) {
            QVERIFY(nowyRozmiar < 0 ? QFile::remove(plik) : QFile::resize(plik, nowyRozmiar));
        };
        StanEdytora oczekiwany = m_stan;
        if (tak)
            WybierzTryb(oczekiwany, Tryb::JGP);
        Wczytaj(m_stan, m_dialogi);

        QCOMPARE(m_stan.TrybZawartosci, oczekiwany.TrybZawartosci);
        QVERIFY(m_stan.zestaw.Obiekty == oczekiwany.zestaw.Obiekty);
        QCOMPARE(m_stan.NazwaZestawu,
                 nowyRozmiar < 0 ? QStringLiteral("ZNAKI.FNT") : QStringLiteral("STARY.ORB"));
        QCOMPARE(m_dialogi.komunikaty.size(), nowyRozmiar < 0 ? 1 : 2);
        if (nowyRozmiar < 0) { // read whole, as measured
            QCOMPARE(ZakodujZnaki(m_stan.zestaw.Znaki), bajty.right(kRozmiarZnakow));
            return;
        }
        sprawdzBlad(QStringLiteral("Nie udało się odczytać pliku!"), plik);
        QVERIFY(m_stan.zestaw.Znaki == oczekiwany.zestaw.Znaki && m_stan.Pixel == oczekiwany.Pixel);
        QVERIFY(m_stan.KodyEdytowane == oczekiwany.KodyEdytowane &&
                m_stan.KolorEkranowy == oczekiwany.KolorEkranowy);
        QCOMPARE(m_stan.miniatury, oczekiwany.miniatury);
    }
};

QTEST_GUILESS_MAIN(TestBledyPlikow)
#include "test_bledy_plikow.moc"
