// The real editor on a private X server, driven by real mouse and keyboard events: an object
// painted and stored, the set file written and loaded back, two character sets imported into
// "JGP", the export files, a file of the wrong size. Qt's own file dialogs and message boxes are
// answered by typing. Each case starts a fresh editor in a fresh working directory.

#include "sesjax.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>

#include <array>
#include <memory>

using namespace edytor::e2e;

namespace {

// Registers as the options Kolor(0) to Kolor(4) number them; GUMKA is a right click.
enum Rejestr : int { GUMKA = -1, PF0, PF1, PF2, BAK, PF3 };
// The screen colours at start-up and the bit pair each register leaves in a character.
constexpr std::array<QRgb, 5> kKolor{qRgb(255, 152, 44), qRgb(39, 249, 39), qRgb(28, 113, 198), qRgb(0, 0, 0),
                                     qRgb(205, 62, 207)};
constexpr std::array<int, 5> kPara{1, 2, 3, 0, 3};
// The Atari colour numbers at start-up, 40 202 148 70 0, in file order: PF0, PF1, PF2, PF3, BAK.
const QByteArray kWartosci = QByteArray::fromHex("28ca944600");
constexpr QRgb kCzerwony = qRgb(255, 0, 0);
constexpr QRgb kSzary = qRgb(192, 192, 192);

// Places in the window's client area (no window manager: it sits at 0,0).
constexpr std::array<QPoint, 4> kZnak{{{272, 24}, {272, 152}, {400, 24}, {400, 152}}}; // Znak(k)
constexpr std::array<int, 5> kGoraKoloru{24, 56, 88, 152, 120};                        // Kolor(i)
constexpr QPoint kZapamietaj{400, 312}, kWczytaj{584, 312}, kZapisz{688, 312}, kEksportuj{784, 312};
constexpr QPoint kKropkaVendra{45, 95}, kKropkaJGP{45, 119}; // the options' indicators
constexpr QRect kWidokZestawu{8, 336, 817, 241}, kPanelSiatki{264, 16, 273, 273};

/** The centre of cell n of the editing grid: row (n % 32) / 4, pixel n % 4 of character n / 32. */
QPoint komorka(int n)
{
    const int j = n % 32;
    return kZnak[n / 32] + QPoint(32 * (j % 4) + 16, 16 * (j / 4) + 8);
}

/** The 32 x 32 image of thumbnail ZZ(i) and a pixel of its frame ZZR(i). */
QRect miniatura(int i)
{
    return {36 + 48 * (i % 16), 372 + 48 * (i / 16), 32, 32};
}

QPoint ramka(int i)
{
    return miniatura(i).topLeft() - QPoint(3, 3);
}

/** A register per grid cell. */
using Siatka = std::array<int, 128>;
struct Krok {
    int rejestr, komorka;
};

Siatka pusta()
{
    Siatka s;
    s.fill(BAK);
    return s;
}

// Two registers and a right click in character 0, PF2 in character 2, PF3 (code bit 7) in character 3.
const QList<Krok> kMalowanie{{PF0, 0},   {PF0, 5},  {PF1, 10},  {PF1, 37},
                             {GUMKA, 5}, {PF2, 70}, {PF3, 101}, {PF3, 127}};

/** The thumbnail of a grid: a cell is a block of 4 x 2 pixels; characters 0 and 1 on the left, 1 and 3 below.
 */
QImage obraz(const Siatka &s)
{
    QImage o(32, 32, QImage::Format_RGB32);
    for (int n = 0; n < 128; ++n)
        for (int p = 0; p < 8; ++p)
            o.setPixel(4 * (n % 4 + 4 * (n / 64)) + p % 4, 2 * (n % 32 / 4 + 8 * (n / 32 % 2)) + p / 4,
                       kKolor[s[n]]);
    return o;
}

/** The characters and the codes (position by position, then again with bit 7 flipped) of the
 * start-up "Vendra" set (object j: codes j, j, j + 64, j + 64) after grid s was stored into object i. */
std::pair<QByteArray, QByteArray> zestaw(int i, const Siatka &s)
{
    QByteArray znaki(2048, '\0'), kody(512, '\0');
    for (int n = 0; n < 256; ++n)
        kody[n] = char(n % 64 + 64 * (n / 128));
    for (int n = 0; n < 128; ++n) {
        const int k = n / 32, bajt = 1024 * (k % 2) + 8 * (i + 64 * (k / 2)) + n % 32 / 4;
        znaki[bajt] = char(znaki[bajt] | kPara[s[n]] << (6 - 2 * (n % 4)));
        if (s[n] == PF3)
            kody[64 * k + i] = char(kody[64 * k + i] | 0x80);
    }
    for (int n = 0; n < 256; ++n)
        kody[256 + n] = char(kody[n] ^ 0x80);
    return {znaki, kody};
}

/** Object i of a "JGP" set of these characters: codes 2i, 2i, 2i + 1, 2i + 1, bit 7 clear. */
Siatka siatkaJGP(const QByteArray &znaki, int i)
{
    Siatka s;
    for (int n = 0; n < 128; ++n) {
        const int bajt = quint8(znaki[1024 * (n / 32 % 2) + 8 * (2 * i + n / 64) + n % 32 / 4]);
        s[n] = std::array{BAK, PF0, PF1, PF2}[bajt >> (6 - 2 * (n % 4)) & 3];
    }
    return s;
}

/** Empty when the pictures are the same, otherwise the first pixel that differs. */
QString roznica(const QImage &jest, const QImage &ma)
{
    if (jest.size() != ma.size())
        return QStringLiteral("the size differs");
    for (int y = 0; y < ma.height(); ++y)
        for (int x = 0; x < ma.width(); ++x)
            if (jest.pixel(x, y) != ma.pixel(x, y))
                return QStringLiteral("(%1,%2) is #%3, expected #%4")
                    .arg(x)
                    .arg(y)
                    .arg(jest.pixel(x, y) & RGB_MASK, 6, 16, QChar(u'0'))
                    .arg(ma.pixel(x, y) & RGB_MASK, 6, 16, QChar(u'0'));
    return {};
}

QByteArray odczytaj(const QString &sciezka)
{
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
}

/** Empty when the file holds these bytes, otherwise where it first differs. */
QString roznicaPliku(const QString &sciezka, const QByteArray &ma)
{
    const QByteArray jest = odczytaj(sciezka);
    qsizetype i = 0;
    while (i < jest.size() && i < ma.size() && jest[i] == ma[i])
        ++i;
    return jest == ma ? QString()
                      : QStringLiteral("%1: %2 bytes instead of %3, first difference at %4")
                            .arg(sciezka)
                            .arg(jest.size())
                            .arg(ma.size())
                            .arg(i);
}

/** Writes n arbitrary but repeatable bytes. */
QByteArray zapiszLosowe(const QString &sciezka, qsizetype n)
{
    QByteArray bajty(n, '\0');
    QRandomGenerator los{quint32(n)};
    for (char &b : bajty)
        b = char(los.generate());
    QFile plik(sciezka);
    return plik.open(QIODevice::WriteOnly) && plik.write(bajty) == n ? bajty : QByteArray();
}

} // namespace

// A failed step of the session, with the session's reason.
#define KROK(wyrazenie) QVERIFY2((wyrazenie), qPrintable(m_s->blad()))
// A helper that checks with QVERIFY: stop the case when it failed.
#define PO(wywolanie)                                                                                        \
    do {                                                                                                     \
        wywolanie;                                                                                           \
        if (QTest::currentTestFailed())                                                                      \
            return;                                                                                          \
    } while (false)

class TestE2E : public QObject {
    Q_OBJECT

    QProcess m_xvfb;
    std::unique_ptr<SesjaEdytora> m_s;
    int m_rejestr = BAK; // the register the editor paints with

    void czekajNaMiniature(int i, const QImage &ma)
    {
        QString r;
        const bool ok = m_s->czekajNaObraz([&](const QImage &z) {
            r = roznica(z.copy(miniatura(i)), ma);
            return r.isEmpty();
        });
        QVERIFY2(ok, qPrintable(QStringLiteral("thumbnail %1: %2; %3").arg(i).arg(r, m_s->blad())));
    }

    void czekajNaSiatke(const Siatka &s)
    {
        int n = 0;
        const bool ok = m_s->czekajNaObraz([&](const QImage &z) {
            for (n = 0; n < 128; ++n)
                if (z.pixel(komorka(n)) != kKolor[s[n]])
                    return false;
            return true;
        });
        QVERIFY2(ok, qPrintable(QStringLiteral("grid cell %1 is not in register %2's colour; %3")
                                    .arg(n)
                                    .arg(n < 128 ? s[n] : -1)
                                    .arg(m_s->blad())));
    }

    /** Opens object i, paints it (which leaves its thumbnail alone), stores it and sees the thumbnail. */
    void maluj(int i, const QList<Krok> &kroki, Siatka &s)
    {
        KROK(m_s->klik(miniatura(i).center(), 1, 2));
        KROK(m_s->czekajNaObraz([i](const QImage &z) { return z.pixel(ramka(i)) == kCzerwony; }));
        const QImage przed = m_s->zrzut().copy(miniatura(i));
        for (const Krok &krok : kroki) {
            if (krok.rejestr != GUMKA && krok.rejestr != m_rejestr) {
                KROK(m_s->klik({568, kGoraKoloru[krok.rejestr] + 12}));
                m_rejestr = krok.rejestr;
            }
            KROK(m_s->klik(komorka(krok.komorka), krok.rejestr == GUMKA ? 3 : 1));
            s[krok.komorka] = krok.rejestr == GUMKA ? BAK : krok.rejestr;
        }
        PO(czekajNaSiatke(s));
        QVERIFY2(obraz(s) != przed, "the painting leaves the thumbnail as it was");
        QCOMPARE(roznica(m_s->zrzut().copy(miniatura(i)), przed), QString());
        KROK(m_s->klik(kZapamietaj));
        PO(czekajNaMiniature(i, obraz(s)));
        QCOMPARE(m_s->zrzut().pixel(ramka(i)), kCzerwony);
    }

  private slots:
    void initTestCase()
    {
        for (const char *narzedzie : {"Xvfb", "xdotool", "import"})
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(narzedzie)).isEmpty(),
                     "needs the Debian packages xvfb, xdotool and imagemagick");
        QDir(QString::fromUtf8(E2E_ZRZUTY)).removeRecursively(); // screenshots of an earlier failed run
        QString blad;
        QVERIFY2(uruchomXvfb(m_xvfb, blad), qPrintable(blad));
    }

    void cleanupTestCase()
    {
        m_xvfb.kill();
        m_xvfb.waitForFinished(5000);
    }

    void init()
    {
        m_rejestr = BAK;
        m_s = std::make_unique<SesjaEdytora>(QString::fromUtf8(EDYTOR_PROGRAM));
        QVERIFY2(m_s->uruchom(), qPrintable(m_s->blad()));
    }

    void cleanup()
    {
        if (QTest::currentTestFailed() && m_s) {
            // The screen as it was when the case failed, and what the editor printed.
            const QString katalog = QString::fromUtf8(E2E_ZRZUTY);
            const QString plik =
                katalog + u'/' + QString::fromLatin1(QTest::currentTestFunction()) + QStringLiteral(".png");
            m_s->czekajNaObraz([](const QImage &) { return true; }, 0);
            if (QDir().mkpath(katalog) && m_s->zrzut().save(plik))
                qWarning("screenshot: %s", qPrintable(plik));
            qWarning("editor output:\n%s", qPrintable(m_s->wyjscie()));
        }
        m_s.reset();
    }

    // Four registers painted and one cell erased: once stored, the thumbnail shows each cell as a
    // 4 x 2 block in a red frame; the neighbour stays black in a grey one.
    void malowanie()
    {
        Siatka s = pusta();
        PO(maluj(5, kMalowanie, s));
        QCOMPARE(roznica(m_s->zrzut().copy(miniatura(6)), obraz(pusta())), QString());
        QCOMPARE(m_s->zrzut().pixel(ramka(6)), kSzary);
    }

    // "Zapisz" to a typed path over an existing file, replaced after OK: the characters, the codes
    // twice, the colour numbers and the screen colours. Then more painting and "Wczytaj" of that
    // file: the thumbnail and the grid are as saved again.
    void zapisIWczytanie()
    {
        const QString sciezka = m_s->sciezka(QStringLiteral("S.ORB"));
        QVERIFY(!zapiszLosowe(sciezka, 100).isEmpty());
        Siatka s = pusta();
        PO(maluj(5, kMalowanie, s));
        KROK(m_s->klik(kZapisz));
        KROK(m_s->odpowiedz(QStringLiteral("Zachowaj jako"), sciezka));
        KROK(m_s->odpowiedz(QStringLiteral("Ostrzeżenie!"), {}));
        KROK(m_s->odpowiedz(QStringLiteral("Informacja"), {}));
        const auto [znaki, kody] = zestaw(5, s);
        QByteArray plik = znaki + kody + kWartosci;
        for (const int r : {PF0, PF1, PF2, PF3, BAK})
            plik.append(char(qRed(kKolor[r]))).append(char(qGreen(kKolor[r]))).append(char(qBlue(kKolor[r])));
        QCOMPARE(plik.size(), 2580);
        QCOMPARE(roznicaPliku(sciezka, plik), QString());

        const Siatka zapisana = s;
        PO(maluj(5, {{PF1, 0}, {GUMKA, 10}, {PF0, 64}, {PF1, 101}}, s));
        KROK(m_s->klik(kWczytaj));
        KROK(m_s->odpowiedz(QStringLiteral("Otwórz"), sciezka));
        PO(czekajNaMiniature(5, obraz(zapisana)));
        PO(czekajNaSiatke(zapisana));
    }

    // Two character sets behind a 6-byte header, "Tak" to the question in "Vendra": the mode is
    // "JGP" and object i shows characters 2i and 2i + 1.
    void importJGP()
    {
        const QString sciezka = m_s->sciezka(QStringLiteral("ZNAKI.FNT"));
        const QByteArray plik = zapiszLosowe(sciezka, 2054);
        QVERIFY(!plik.isEmpty());
        KROK(m_s->klik(kWczytaj));
        KROK(m_s->odpowiedz(QStringLiteral("Otwórz"), sciezka));
        KROK(m_s->odpowiedz(QStringLiteral("Uwaga!"), {}, QStringLiteral("t")));
        PO(czekajNaMiniature(37, obraz(siatkaJGP(plik.right(2048), 37))));
        const QImage &z = m_s->zrzut();
        QVERIFY2(qGray(z.pixel(kKropkaJGP)) < 64 && qGray(z.pixel(kKropkaVendra)) > 200,
                 "\"JGP\" is not chosen");
    }

    // "Eksportuj" to a typed path: both character sets, the codes, the colour numbers, a credit line
    // and the picture of all objects, on the left as on the screen, on the right with PF2 and PF3
    // exchanged (the painting has both, so the halves differ).
    void eksport()
    {
        Siatka s = pusta();
        PO(maluj(5, kMalowanie, s));
        const QImage ekran = m_s->zrzut();
        const QDir folder(m_s->sciezka(QStringLiteral("ORB_EXPORT")));
        KROK(m_s->klik(kEksportuj));
        KROK(m_s->odpowiedz(QStringLiteral("Zachowaj jako"), folder.filePath(QStringLiteral("DANE"))));
        KROK(m_s->odpowiedz(QStringLiteral("Informacja"), {}));
        QCOMPARE(folder.entryList(QDir::Files, QDir::Name),
                 QStringList({QStringLiteral("DANE"), QStringLiteral("DANE.FN2"), QStringLiteral("DANE.KODY"),
                              QStringLiteral("DANE.KOLORY"), QStringLiteral("DANE.TILES.BMP")}));
        const auto [znaki, kody] = zestaw(5, s);
        QCOMPARE(roznicaPliku(folder.filePath(QStringLiteral("DANE.FN2")), znaki), QString());
        QCOMPARE(roznicaPliku(folder.filePath(QStringLiteral("DANE.KODY")), kody), QString());
        QCOMPARE(roznicaPliku(folder.filePath(QStringLiteral("DANE.KOLORY")), kWartosci), QString());
        QVERIFY(QString::fromUtf8(odczytaj(folder.filePath(QStringLiteral("DANE"))))
                    .startsWith(QStringLiteral("Edytor obiektów ")));

        const QByteArray bmp = odczytaj(folder.filePath(QStringLiteral("DANE.TILES.BMP")));
        QVERIFY(bmp.size() > 54);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<qint32>(bmp.constData() + 18), 4096); // width
        QCOMPARE(qAbs(qFromLittleEndian<qint32>(bmp.constData() + 22)), 32);
        QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(24)); // bits per pixel
        const QImage obrazBmp = QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32);
        QImage lewa(2048, 32, QImage::Format_RGB32), prawa(2048, 32, QImage::Format_RGB32);
        for (int i = 0; i < 64; ++i)
            for (int p = 0; p < 32 * 32; ++p) {
                const QRgb c = ekran.pixel(miniatura(i).topLeft() + QPoint(p % 32, p / 32));
                lewa.setPixel(32 * i + p % 32, p / 32, c);
                prawa.setPixel(32 * i + p % 32, p / 32,
                               c == kKolor[PF2]   ? kKolor[PF3]
                               : c == kKolor[PF3] ? kKolor[PF2]
                                                  : c);
            }
        QCOMPARE(roznica(obrazBmp.copy(0, 0, 2048, 32), lewa), QString());
        QCOMPARE(roznica(obrazBmp.copy(2048, 0, 2048, 32), prawa), QString());
    }

    // A file of no known size: "Niepoprawny format pliku!" in a box titled "Uwaga!" with only OK,
    // and the set and the grid stay as they were.
    void zlyRozmiar()
    {
        const QString sciezka = m_s->sciezka(QStringLiteral("ZLY.ORB"));
        QVERIFY(!zapiszLosowe(sciezka, 100).isEmpty());
        Siatka s = pusta();
        PO(maluj(5, kMalowanie, s));
        const QImage przed = m_s->zrzut();
        KROK(m_s->klik(kWczytaj));
        KROK(m_s->odpowiedz(QStringLiteral("Otwórz"), sciezka));
        KROK(m_s->odpowiedz(QStringLiteral("Uwaga!"), {}));
        KROK(m_s->czekajNaObraz([](const QImage &) { return true; }));
        for (const QRect &obszar : {kWidokZestawu, kPanelSiatki})
            QCOMPARE(roznica(m_s->zrzut().copy(obszar), przed.copy(obszar)), QString());
    }
};

QTEST_GUILESS_MAIN(TestE2E)
#include "test_e2e.moc"
