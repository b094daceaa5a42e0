// The real editor on a private X server, driven by real mouse and keyboard events: painting and
// storing an object, the set file written, loaded back, two character sets imported, the export
// files, a file of the wrong size. Qt's own file dialogs and message boxes are answered by typing.
// Each case starts a fresh editor in a fresh working directory.

#include "oczekiwane.h"
#include "sesjax.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using namespace edytor::e2e;

namespace {

// Places in the editor window's client area (there is no window manager: it sits at 0,0).
const std::array<QPoint, kPozycji> kZnak{{{272, 24}, {272, 152}, {400, 24}, {400, 152}}}; // Znak(k)
const std::array<int, kRejestrow> kGoraKoloru{24, 56, 88, 152, 120};                      // Kolor(i)
const QPoint kZapamietaj{400, 312};
const QPoint kWczytaj{584, 312};
const QPoint kZapisz{688, 312};
const QPoint kEksportuj{784, 312};
const QPoint kOpcjaJGP{56, 120};
const QPoint kKropkaVendra{45, 95}; // centre of the option's indicator
const QPoint kKropkaJGP{45, 119};
const QRect kPodpisPF3{592, 120, 48, 30};    // Color(4), greyed while PF3 cannot be chosen
const QRect kPanelSiatki{264, 16, 273, 273}; // the editing grid with its border
const QRect kWidokZestawu{8, 336, 817, 241}; // the set's name and the 64 framed thumbnails

constexpr QRgb kCzerwony = qRgb(255, 0, 0);
constexpr QRgb kSzary = qRgb(192, 192, 192);

bool tenSamKolor(QRgb a, QRgb b)
{
    return (a & RGB_MASK) == (b & RGB_MASK);
}

/** The centre of cell n of the editing grid. */
QPoint komorka(int n)
{
    const int j = n % kKomorekZnaku;
    return kZnak[n / kKomorekZnaku] + QPoint(32 * (j % 4) + 16, 16 * (j / 4) + 8);
}

QPoint opcjaKoloru(int rejestr)
{
    return {568, kGoraKoloru[rejestr] + 12};
}

/** The 32 x 32 image of thumbnail ZZ(i), inside its one-pixel border. */
QRect miniatura(int i)
{
    return {36 + 48 * (i % 16), 372 + 48 * (i / 16), kBokMiniatury, kBokMiniatury};
}

/** A pixel of the coloured frame ZZR(i) around the thumbnail. */
QPoint ramka(int i)
{
    return {33 + 48 * (i % 16), 369 + 48 * (i / 16)};
}

/** An option's indicator: a black dot when chosen, white when not. */
bool zaznaczona(const QImage &z, QPoint kropka)
{
    return qGray(z.pixel(kropka)) < 64;
}

bool pusta(const QImage &z, QPoint kropka)
{
    return qGray(z.pixel(kropka)) > 200;
}

/** The darkest grey of a region: near black where text is drawn normally, light where it is greyed. */
int najciemniejszy(const QImage &z, const QRect &obszar)
{
    int min = 255;
    for (int y = obszar.top(); y <= obszar.bottom(); ++y)
        for (int x = obszar.left(); x <= obszar.right(); ++x)
            min = std::min(min, qGray(z.pixel(x, y)));
    return min;
}

/** Arbitrary but repeatable bytes. */
QByteArray bajtyLosowe(qsizetype n, quint32 ziarno)
{
    QByteArray bajty(n, '\0');
    for (qsizetype i = 0; i < n; ++i) {
        ziarno = ziarno * 1664525u + 1013904223u;
        bajty[i] = char(ziarno >> 24);
    }
    return bajty;
}

QByteArray odczytaj(const QString &sciezka)
{
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
}

bool zapisz(const QString &sciezka, const QByteArray &bajty)
{
    QFile plik(sciezka);
    return plik.open(QIODevice::WriteOnly) && plik.write(bajty) == bajty.size();
}

quint32 liczbaLE(const QByteArray &b, int od, int bajtow)
{
    quint32 w = 0;
    for (int i = bajtow - 1; i >= 0; --i)
        w = (w << 8) | Bajt(b[od + i]);
    return w;
}

QRgb zamienPF2iPF3(QRgb c)
{
    const QRgb pf2 = kKoloryPoczatkowe[PF2], pf3 = kKoloryPoczatkowe[PF3];
    return tenSamKolor(c, pf2) ? pf3 : tenSamKolor(c, pf3) ? pf2 : c;
}

const QString kZachowaj = QStringLiteral("Zachowaj jako");
const QString kOtworz = QStringLiteral("Otwórz");
const QString kUwaga = QStringLiteral("Uwaga!");
const QString kOstrzezenie = QStringLiteral("Ostrzeżenie!");
const QString kInformacja = QStringLiteral("Informacja");
const QString kReturn = QStringLiteral("Return");
const QString kEscape = QStringLiteral("Escape");

} // namespace

// A failed step of the session, with the session's reason.
#define KROK(wyrazenie) QVERIFY2((wyrazenie), qPrintable(m_sesja->blad()))
// A helper that checks with QVERIFY: stop the test when it failed.
#define PO(wywolanie)                                                                                        \
    do {                                                                                                     \
        wywolanie;                                                                                           \
        if (QTest::currentTestFailed())                                                                      \
            return;                                                                                          \
    } while (false)

class TestE2E : public QObject {
    Q_OBJECT

    SerwerX m_serwer;
    std::unique_ptr<SesjaEdytora> m_sesja;
    int m_rejestrRysowania = BAK; // the register the editor draws with; BAK at start-up

    /** Double-clicks thumbnail i and waits for its red frame. */
    void otworzObiekt(int i)
    {
        KROK(m_sesja->dwuklik(miniatura(i).center()));
        QVERIFY2(m_sesja->czekajNaObraz(
                     [i](const QImage &z) { return tenSamKolor(z.pixel(ramka(i)), kCzerwony); }),
                 qPrintable(QStringLiteral("object %1 was not opened: %2").arg(i).arg(m_sesja->blad())));
    }

    /** Chooses each register with its option, then clicks the cell (left, or right to erase). */
    void maluj(const Malowanie &kroki, Siatka &siatka)
    {
        for (const Krok &krok : kroki) {
            if (krok.rejestr != kGumka && krok.rejestr != m_rejestrRysowania) {
                KROK(m_sesja->klik(opcjaKoloru(krok.rejestr)));
                m_rejestrRysowania = krok.rejestr;
            }
            KROK(m_sesja->klik(komorka(krok.komorka), krok.rejestr == kGumka ? 3 : 1));
            siatka.maluj(krok);
        }
    }

    /** Waits until every cell of the editing grid shows its register's colour. */
    void czekajNaSiatke(const Siatka &siatka, const std::array<QRgb, kRejestrow> &kolory)
    {
        QString roznica;
        const bool ok = m_sesja->czekajNaObraz([&](const QImage &z) {
            for (int n = 0; n < kKomorek; ++n) {
                const QRgb jest = z.pixel(komorka(n));
                const QRgb ma = kolory[siatka.komorka(n)];
                if (!tenSamKolor(jest, ma)) {
                    roznica = QStringLiteral("cell %1 is %2, expected %3")
                                  .arg(n)
                                  .arg(nazwaKoloru(jest), nazwaKoloru(ma));
                    return false;
                }
            }
            return true;
        });
        QVERIFY2(ok,
                 qPrintable(QStringLiteral("the grid: ") + roznica + QStringLiteral("; ") + m_sesja->blad()));
    }

    /** Waits until all 64 thumbnails look as the set says. */
    void czekajNaMiniatury(const ZestawOczekiwany &zestaw)
    {
        std::array<QImage, kObiektow> oczekiwane;
        for (int i = 0; i < kObiektow; ++i)
            oczekiwane[i] = zestaw.miniatura(i);
        QString roznica;
        const bool ok = m_sesja->czekajNaObraz([&](const QImage &z) {
            for (int i = 0; i < kObiektow; ++i) {
                const QString r = roznicaObrazow(z.copy(miniatura(i)), oczekiwane[i]);
                if (!r.isEmpty()) {
                    roznica = QStringLiteral("thumbnail %1: %2").arg(i).arg(r);
                    return false;
                }
            }
            return true;
        });
        QVERIFY2(ok, qPrintable(roznica + QStringLiteral("; ") + m_sesja->blad()));
    }

    /** Paints object i, stores it and waits for its thumbnail. */
    void malujIZapamietaj(int i, const Malowanie &kroki, ZestawOczekiwany &zestaw)
    {
        PO(otworzObiekt(i));
        Siatka siatka = zestaw.siatka(i);
        PO(maluj(kroki, siatka));
        PO(czekajNaSiatke(siatka, zestaw.kolory));
        KROK(m_sesja->klik(kZapamietaj));
        const QImage przed = zestaw.miniatura(i);
        zestaw.zapamietaj(i, siatka);
        // Otherwise the screen would already look right before the editor stored anything.
        QVERIFY2(zestaw.miniatura(i) != przed, "the painting leaves the thumbnail as it was");
        PO(czekajNaMiniatury(zestaw));
    }

    /** The red frame around object i only; the other frames are grey. */
    void sprawdzRamki(int otwarty)
    {
        const QImage &z = m_sesja->ostatniZrzut();
        for (int i = 0; i < kObiektow; ++i) {
            const QRgb ma = i == otwarty ? kCzerwony : kSzary;
            QVERIFY2(tenSamKolor(z.pixel(ramka(i)), ma),
                     qPrintable(QStringLiteral("frame %1 is %2, expected %3")
                                    .arg(i)
                                    .arg(nazwaKoloru(z.pixel(ramka(i))), nazwaKoloru(ma))));
        }
    }

    void porownajPlik(const QString &sciezka, const QByteArray &oczekiwane)
    {
        const QString r = roznicaBajtow(odczytaj(sciezka), oczekiwane);
        QVERIFY2(r.isEmpty(), qPrintable(QDir::toNativeSeparators(sciezka) + QStringLiteral(": ") + r));
    }

  private slots:
    void initTestCase()
    {
        for (const char *narzedzie : {"xdotool", "import"})
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(narzedzie)).isEmpty(),
                     qPrintable(QStringLiteral("%1 not found (Debian packages xdotool, imagemagick)")
                                    .arg(QString::fromLatin1(narzedzie))));
        QDir(QString::fromUtf8(E2E_ZRZUTY)).removeRecursively(); // screenshots of an earlier failed run
        QString blad;
        QVERIFY2(m_serwer.uruchom(blad), qPrintable(blad));
    }

    void init()
    {
        m_rejestrRysowania = BAK;
        m_sesja = std::make_unique<SesjaEdytora>(QString::fromUtf8(EDYTOR_PROGRAM), m_serwer.ekran());
        QVERIFY2(m_sesja->uruchom(), qPrintable(m_sesja->blad()));
    }

    void cleanup()
    {
        if (QTest::currentTestFailed() && m_sesja) {
            // The screen as it was when the case failed, and what the editor printed.
            QString nazwa = QString::fromLatin1(QTest::currentTestFunction());
            if (QTest::currentDataTag())
                nazwa += u'_' + QString::fromUtf8(QTest::currentDataTag());
            nazwa.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]+")), QStringLiteral("_"));
            const QString katalog = QString::fromUtf8(E2E_ZRZUTY);
            QDir().mkpath(katalog);
            const QString plik = katalog + u'/' + nazwa + QStringLiteral(".png");
            if (m_sesja->zrzut() && m_sesja->ostatniZrzut().save(plik))
                qWarning("screenshot: %s", qPrintable(plik));
            qWarning("editor output:\n%s", qPrintable(m_sesja->wyjscieEdytora()));
        }
        m_sesja.reset();
    }

    // Two registers painted, one cell erased, the object stored: its thumbnail shows each object
    // pixel as a 4 x 2 block in its register's colour, in a red frame; the other objects stay empty.
    void malowanie_data()
    {
        QTest::addColumn<int>("obiekt");
        QTest::addColumn<Malowanie>("kroki");
        QTest::newRow("object 5, all four characters")
            << 5 << Malowanie{{PF0, 0},  {PF0, 5},  {PF0, 38}, {PF0, 67},  {PF0, 125}, {PF1, 10},
                              {PF1, 31}, {PF1, 32}, {PF1, 99}, {PF1, 127}, {kGumka, 5}};
        QTest::newRow("object 42, one column of characters")
            << 42 << Malowanie{{PF1, 64}, {PF1, 65},  {PF1, 95},    {PF0, 66},
                               {PF0, 96}, {PF0, 126}, {kGumka, 95}, {kGumka, 96}};
        QTest::newRow("object 63, corners")
            << 63 << Malowanie{{PF0, 0},  {PF0, 3},   {PF1, 60},  {PF1, 63},   {PF0, 92},
                               {PF1, 95}, {PF0, 124}, {PF1, 127}, {kGumka, 60}};
    }

    void malowanie()
    {
        QFETCH(int, obiekt);
        QFETCH(Malowanie, kroki);
        ZestawOczekiwany zestaw = ZestawOczekiwany::wUkladzie(false);
        PO(malujIZapamietaj(obiekt, kroki, zestaw));
        PO(sprawdzRamki(obiekt));
    }

    // "Zapisz": the dialog proposes ZESTAW.ORB in the working directory; an existing file is
    // replaced only after OK; the file holds the characters, the codes twice and the colours.
    void zapis_data()
    {
        QTest::addColumn<QString>("nazwa"); // typed as a full path; empty: the proposed name taken
        QTest::addColumn<bool>("istnieje");
        QTest::addColumn<QString>("klawiszOstrzezenia");
        QTest::addColumn<bool>("zapisany");
        QTest::newRow("proposed name") << QString() << false << QString() << true;
        QTest::newRow("full path") << QStringLiteral("NOWY.ORB") << false << QString() << true;
        QTest::newRow("existing file, OK") << QStringLiteral("STARY.ORB") << true << kReturn << true;
        QTest::newRow("existing file, Anuluj") << QStringLiteral("STARY.ORB") << true << kEscape << false;
    }

    void zapis()
    {
        QFETCH(QString, nazwa);
        QFETCH(bool, istnieje);
        QFETCH(QString, klawiszOstrzezenia);
        QFETCH(bool, zapisany);
        const QString sciezka = m_sesja->sciezka(nazwa.isEmpty() ? QStringLiteral("ZESTAW.ORB") : nazwa);
        const QByteArray stary = bajtyLosowe(100, 7);
        if (istnieje)
            QVERIFY(zapisz(sciezka, stary));

        ZestawOczekiwany zestaw = ZestawOczekiwany::wUkladzie(false);
        PO(malujIZapamietaj(
            9, {{PF0, 0}, {PF0, 1}, {PF1, 2}, {PF2, 3}, {PF2, 40}, {PF1, 77}, {PF0, 127}, {kGumka, 1}},
            zestaw));
        PO(malujIZapamietaj(50, {{PF2, 100}, {PF1, 33}, {PF0, 0}}, zestaw));

        KROK(m_sesja->klik(kZapisz));
        if (nazwa.isEmpty())
            KROK(m_sesja->zatwierdzDialog(kZachowaj));
        else
            KROK(m_sesja->wybierzPlik(kZachowaj, sciezka));
        if (istnieje)
            KROK(m_sesja->odpowiedz(kOstrzezenie, klawiszOstrzezenia));
        if (zapisany) {
            KROK(m_sesja->odpowiedz(kInformacja, kReturn));
            const QByteArray plik = zestaw.plikZestawu();
            QCOMPARE(plik.size(), kRozmiarPlikuZestawu);
            PO(porownajPlik(sciezka, plik));
        } else {
            // Cancelled: no message box is left behind, so the button opens the dialog again.
            KROK(m_sesja->klik(kZapisz));
            const auto dialog = m_sesja->czekajNaOkno(kZachowaj);
            KROK(dialog);
            KROK(m_sesja->skupNa(*dialog) && m_sesja->klawisz(kEscape) &&
                 m_sesja->czekajNaZamkniecie(kZachowaj));
            PO(porownajPlik(sciezka, stary));
        }
    }

    // A saved set, then more painting and storing, then "Wczytaj" of the saved file: every
    // thumbnail and the opened object look as they did when the set was saved.
    void wczytanieZapisanego()
    {
        ZestawOczekiwany zapisany = ZestawOczekiwany::wUkladzie(false);
        PO(malujIZapamietaj(3, {{PF0, 0}, {PF1, 1}, {PF2, 2}, {PF0, 70}, {PF1, 127}}, zapisany));
        const QString sciezka = m_sesja->sciezka(QStringLiteral("S.ORB"));
        KROK(m_sesja->klik(kZapisz));
        KROK(m_sesja->wybierzPlik(kZachowaj, sciezka));
        KROK(m_sesja->odpowiedz(kInformacja, kReturn));
        PO(czekajNaMiniatury(zapisany));
        const QImage widokZapisanego = m_sesja->ostatniZrzut().copy(kWidokZestawu);

        ZestawOczekiwany zmieniony = zapisany;
        PO(malujIZapamietaj(20, {{PF1, 10}, {PF1, 11}, {PF0, 50}}, zmieniony));
        PO(malujIZapamietaj(3, {{PF2, 0}, {kGumka, 1}, {PF0, 127}}, zmieniony));
        QVERIFY(zmieniony.miniatura(3) != zapisany.miniatura(3));
        QVERIFY(zmieniony.miniatura(20) != zapisany.miniatura(20));

        KROK(m_sesja->klik(kWczytaj));
        KROK(m_sesja->wybierzPlik(kOtworz, sciezka));
        PO(czekajNaMiniatury(zapisany));
        PO(czekajNaSiatke(zapisany.siatka(3), zapisany.kolory));
        const QString r = roznicaObrazow(m_sesja->ostatniZrzut().copy(kWidokZestawu), widokZapisanego);
        QVERIFY2(r.isEmpty(), qPrintable(QStringLiteral("the set view after loading: ") + r));
    }

    // Two character sets alone (2048 bytes, or behind a 6-byte header): in "Vendra" the editor
    // asks whether to switch to "JGP"; the objects then use characters 2i and 2i+1.
    void import_data()
    {
        QTest::addColumn<int>("rozmiar");
        QTest::addColumn<bool>("jgpWczesniej");
        QTest::addColumn<QString>("odpowiedz"); // the key for the question; empty: no question
        QTest::addColumn<bool>("jgp");
        QTest::newRow("header, Tak") << 2054 << false << QStringLiteral("t") << true;
        QTest::newRow("no header, Tak") << 2048 << false << QStringLiteral("t") << true;
        QTest::newRow("header, Nie") << 2054 << false << QStringLiteral("n") << false;
        QTest::newRow("already JGP, no question") << 2048 << true << QString() << true;
    }

    void import()
    {
        QFETCH(int, rozmiar);
        QFETCH(bool, jgpWczesniej);
        QFETCH(QString, odpowiedz);
        QFETCH(bool, jgp);
        const QByteArray plik = bajtyLosowe(rozmiar, quint32(rozmiar));
        const QString sciezka = m_sesja->sciezka(QStringLiteral("ZNAKI.FNT"));
        QVERIFY(zapisz(sciezka, plik));

        if (jgpWczesniej) {
            KROK(m_sesja->klik(kOpcjaJGP));
            KROK(m_sesja->czekajNaObraz([](const QImage &z) { return zaznaczona(z, kKropkaJGP); }));
        }
        KROK(m_sesja->klik(kWczytaj));
        KROK(m_sesja->wybierzPlik(kOtworz, sciezka));
        if (!odpowiedz.isEmpty())
            KROK(m_sesja->odpowiedz(kUwaga, odpowiedz));

        ZestawOczekiwany zestaw = ZestawOczekiwany::wUkladzie(jgp);
        zestaw.znaki = plik.right(kRozmiarZnakow);
        PO(czekajNaMiniatury(zestaw));
        PO(czekajNaSiatke(zestaw.siatka(0), zestaw.kolory));
        const QImage &z = m_sesja->ostatniZrzut();
        QVERIFY2(zaznaczona(z, jgp ? kKropkaJGP : kKropkaVendra), "the option of the layout is not chosen");
        QVERIFY2(pusta(z, jgp ? kKropkaVendra : kKropkaJGP), "the option of the other layout is chosen");
        const int pf3 = najciemniejszy(z, kPodpisPF3);
        if (jgp)
            QVERIFY2(pf3 > 150,
                     qPrintable(QStringLiteral("PF3 does not look disabled (darkest %1)").arg(pf3)));
        else
            QVERIFY2(pf3 < 80, qPrintable(QStringLiteral("PF3 looks disabled (darkest %1)").arg(pf3)));
    }

    // "Eksportuj": the dialog opens in ORB_EXPORT under the working directory; five files of
    // the chosen name: characters, codes, colour numbers, the picture of all objects, a credit.
    void eksport_data()
    {
        QTest::addColumn<QString>("wpisane"); // what is typed into the dialog; empty: the proposal taken
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("full path") << QStringLiteral("<katalog>/ORB_EXPORT/DANE") << QStringLiteral("DANE");
        QTest::newRow("name only") << QStringLiteral("PLIKI") << QStringLiteral("PLIKI");
        QTest::newRow("proposed name") << QString() << QStringLiteral("ZESTAW.ORB");
    }

    void eksport()
    {
        QFETCH(QString, wpisane);
        QFETCH(QString, nazwa);
        wpisane.replace(QStringLiteral("<katalog>"), m_sesja->katalog());

        // PF2 and PF3 both on the screen, so that the right half of the picture differs.
        ZestawOczekiwany zestaw = ZestawOczekiwany::wUkladzie(false);
        PO(malujIZapamietaj(12, {{PF2, 0}, {PF2, 5}, {PF0, 6}, {PF3, 64}, {PF3, 70}, {PF1, 71}, {PF2, 100}},
                            zestaw));
        PO(malujIZapamietaj(33, {{PF3, 10}, {PF2, 40}, {PF0, 80}}, zestaw));
        QVERIFY(zestaw.kody[2][12] & 0x80);

        KROK(m_sesja->klik(kEksportuj));
        if (wpisane.isEmpty())
            KROK(m_sesja->zatwierdzDialog(kZachowaj));
        else
            KROK(m_sesja->wybierzPlik(kZachowaj, wpisane));
        KROK(m_sesja->odpowiedz(kInformacja, kReturn));
        PO(czekajNaMiniatury(zestaw));
        const QImage ekran = m_sesja->ostatniZrzut();

        const QDir folder(m_sesja->sciezka(QStringLiteral("ORB_EXPORT")));
        const QStringList pliki{nazwa, nazwa + QStringLiteral(".FN2"), nazwa + QStringLiteral(".KODY"),
                                nazwa + QStringLiteral(".KOLORY"), nazwa + QStringLiteral(".TILES.BMP")};
        QCOMPARE(folder.entryList(QDir::Files, QDir::Name), pliki);

        PO(porownajPlik(folder.filePath(pliki[1]), zestaw.znaki));
        PO(porownajPlik(folder.filePath(pliki[2]), zestaw.kodyZOdwrotnymi()));
        PO(porownajPlik(folder.filePath(pliki[3]),
                        QByteArray(reinterpret_cast<const char *>(kWartosciPoczatkowe.data()), kRejestrow)));
        const QString autor = QString::fromUtf8(odczytaj(folder.filePath(nazwa)));
        QVERIFY2(autor.startsWith(QStringLiteral("Edytor obiektów ")), qPrintable(autor));
        QVERIFY2(!autor.contains(u'\n'), qPrintable(autor));

        const QByteArray bmp = odczytaj(folder.filePath(pliki[4]));
        QVERIFY(bmp.size() > 54);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(liczbaLE(bmp, 18, 4), 4096u);
        QCOMPARE(qAbs(qint32(liczbaLE(bmp, 22, 4))), 32);
        QCOMPARE(liczbaLE(bmp, 28, 2), 24u);
        const QImage obraz = QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(obraz.size(), QSize(2 * kObiektow * kBokMiniatury, kBokMiniatury));
        QImage lewa(kObiektow * kBokMiniatury, kBokMiniatury, QImage::Format_RGB32);
        QImage prawa = lewa;
        for (int i = 0; i < kObiektow; ++i) {
            const QImage m = ekran.copy(miniatura(i));
            for (int y = 0; y < kBokMiniatury; ++y)
                for (int x = 0; x < kBokMiniatury; ++x) {
                    lewa.setPixel(kBokMiniatury * i + x, y, m.pixel(x, y));
                    prawa.setPixel(kBokMiniatury * i + x, y, zamienPF2iPF3(m.pixel(x, y)));
                }
        }
        QVERIFY(lewa != prawa);
        QString r = roznicaObrazow(obraz.copy(0, 0, lewa.width(), kBokMiniatury), lewa);
        QVERIFY2(r.isEmpty(), qPrintable(QStringLiteral("left half against the screen: ") + r));
        r = roznicaObrazow(obraz.copy(lewa.width(), 0, prawa.width(), kBokMiniatury), prawa);
        QVERIFY2(r.isEmpty(), qPrintable(QStringLiteral("right half: ") + r));
    }

    // A file of no known size: "Niepoprawny format pliku!" in a box titled "Uwaga!", and the set,
    // its name and the opened object stay as they were.
    void zlyRozmiar_data()
    {
        QTest::addColumn<int>("rozmiar");
        QTest::newRow("100 bytes") << 100;
        QTest::newRow("empty") << 0;
        QTest::newRow("one byte over a set") << 2581;
    }

    void zlyRozmiar()
    {
        QFETCH(int, rozmiar);
        const QString sciezka = m_sesja->sciezka(QStringLiteral("BAD.ORB"));
        QVERIFY(zapisz(sciezka, bajtyLosowe(rozmiar, 3)));
        ZestawOczekiwany zestaw = ZestawOczekiwany::wUkladzie(false);
        PO(malujIZapamietaj(7, {{PF0, 0}, {PF1, 33}, {PF2, 66}, {PF0, 99}}, zestaw));
        const QImage przed = m_sesja->ostatniZrzut();

        KROK(m_sesja->klik(kWczytaj));
        KROK(m_sesja->wybierzPlik(kOtworz, sciezka));
        KROK(m_sesja->odpowiedz(kUwaga, kReturn));

        PO(czekajNaMiniatury(zestaw));
        const QImage po = m_sesja->ostatniZrzut();
        for (const QRect &obszar : {kWidokZestawu, kPanelSiatki}) {
            const QString r = roznicaObrazow(po.copy(obszar), przed.copy(obszar));
            QVERIFY2(r.isEmpty(), qPrintable(r));
        }
    }
};

QTEST_GUILESS_MAIN(TestE2E)
#include "test_e2e.moc"
