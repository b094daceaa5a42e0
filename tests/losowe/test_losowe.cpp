// A long random session of user actions on the editor's state, checked after every action
// against a shadow model of what each action writes and against the invariants of the state.
// A failing run is replayed from a fresh start with actions removed until it is as short as it
// gets, and printed with its seed.
//
//   EDYTOR_LOSOWE_ZIARNO  seed of the generator (default below)
//   EDYTOR_LOSOWE_AKCJE   number of actions (default 100000)

#include "../wspolne/skryptowedialogi.h"
#include "edit/bufor.h"
#include "edit/kolory.h"
#include "edit/komorki.h"
#include "edit/malowanie.h"
#include "edit/otwieranie.h"
#include "edit/tryby.h"
#include "edit/zamiana.h"
#include "edit/zapamietanie.h"
#include "io/formaty.h"
#include "io/pliki.h"
#include "niezmienniki.h"
#include "view/miniatury.h"
#include "view/paleta.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <random>
#include <vector>

using namespace edytor;
using namespace edytor::niezmienniki;

namespace {

constexpr quint32 kDomyslneZiarno = 20240611;
constexpr int kDomyslnieAkcji = 100000;
constexpr qint64 kCzasSkracania = 120'000; // ms spent at most on shortening a failing run

/** The characters of an object in the order the editor walks them: top-left, top-right, bottom-left,
 * bottom-right. */
constexpr std::array<int, 4> kKolejnoscZnakow{0, 2, 1, 3};
/** Registers in the order of the hardware registers, as the set file holds them. */
constexpr std::array<int, 5> kKolejnoscPliku{PF0, PF1, PF2, PF3, BAK};

enum class Rodzaj : quint8 {
    Malowanie, // a: cell, b: mouse button
    Rejestr,   // a: register (the option button Kolor(a))
    Paleta,    // a, b: point of the palette picture
    Zamiana,   // a: item of the swap list
    Wypelnienie,
    DoBufora,
    ZBufora,
    Tryb,         // a: content mode
    Wybor,        // a: object (a click on its thumbnail)
    Otwarcie,     // a: object (a double click on its thumbnail)
    TylkoWybrany, // a: the check box ticked (1) or not (0)
    Zapamietanie,
    ZapisWPamieci,  // the set encoded and decoded again
    OdczytZPamieci, // dane: a set file's bytes, decoded and applied as the loader does
    ZapisPliku,     // a: file number; "Zapisz" through the dialogs
    OdczytPliku,    // a: file number; "Wczytaj" of a file saved before
    Import,         // dane: 2048 or 2054 bytes of characters; a: the answer to the "JGP" question is Yes
    Sabotaz,        // a: what to break behind the editor's back; only the checker's own test plays it
};

struct Akcja {
    Akcja(Rodzaj r, int a_ = 0, int b_ = 0, QByteArray dane_ = {})
        : rodzaj(r), a(a_), b(b_), dane(std::move(dane_))
    {
    }
    Rodzaj rodzaj;
    int a;
    int b;
    QByteArray dane;
};

/** The action as a line of a report; a load's bytes are named by a label and listed apart. */
QString opis(const Akcja &akcja, const QString &dane = QStringLiteral("..."))
{
    const int a = akcja.a, b = akcja.b;
    switch (akcja.rodzaj) {
    case Rodzaj::Malowanie: return QStringLiteral("MalujKomorke(p=%1, button=%2)").arg(a).arg(b);
    case Rodzaj::Rejestr: return QStringLiteral("WybierzKolor(%1)").arg(a);
    case Rodzaj::Paleta: return QStringLiteral("WybierzZPalety(x=%1, y=%2)").arg(a).arg(b);
    case Rodzaj::Zamiana: return QStringLiteral("ZamienKolory(%1)").arg(a);
    case Rodzaj::Wypelnienie: return QStringLiteral("Wypelnij()");
    case Rodzaj::DoBufora: return QStringLiteral("DoBufora()");
    case Rodzaj::ZBufora: return QStringLiteral("ZBufora()");
    case Rodzaj::Tryb:
        return QStringLiteral("WybierzTryb(%1)")
            .arg(a == 0 ? QStringLiteral("Vendra") : QStringLiteral("JGP"));
    case Rodzaj::Wybor: return QStringLiteral("WybierzObiekt(%1)").arg(a);
    case Rodzaj::Otwarcie: return QStringLiteral("WybierzObiekt(%1); ZZ_DblClick(%1)").arg(a);
    case Rodzaj::TylkoWybrany:
        return QStringLiteral("TylkoWybrany = %1").arg(a ? QStringLiteral("true") : QStringLiteral("false"));
    case Rodzaj::Zapamietanie: return QStringLiteral("ZapamietajObiekt()");
    case Rodzaj::ZapisWPamieci: return QStringLiteral("ZakodujZestaw, OdczytajZestaw");
    case Rodzaj::OdczytZPamieci: return QStringLiteral("OdczytajZestaw(%1) applied as a load").arg(dane);
    case Rodzaj::ZapisPliku: return QStringLiteral("Zapisz to Z%1.ORB").arg(a);
    case Rodzaj::OdczytPliku: return QStringLiteral("Wczytaj Z%1.ORB").arg(a);
    case Rodzaj::Import:
        return QStringLiteral("Wczytaj of the %1-byte character file %2, answering %3")
            .arg(akcja.dane.size())
            .arg(dane, a ? QStringLiteral("Yes") : QStringLiteral("No"));
    case Rodzaj::Sabotaz: return QStringLiteral("sabotage %1").arg(a);
    }
    return QString();
}

QByteArray czytajPlik(const QString &sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool zapiszPlik(const QString &sciezka, const QByteArray &bajty)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size();
}

/** Fills the 4 x 2 block of object pixel (X, Y) of a 32-bit picture starting at column x0. */
void rysujBlok(QImage &obraz, int x0, int X, int Y, QRgb kolor)
{
    QRgb *gora = reinterpret_cast<QRgb *>(obraz.scanLine(2 * Y)) + x0 + 4 * X;
    QRgb *dol = reinterpret_cast<QRgb *>(obraz.scanLine(2 * Y + 1)) + x0 + 4 * X;
    gora[0] = gora[1] = gora[2] = gora[3] = dol[0] = dol[1] = dol[2] = dol[3] = kolor;
}

/**
 * What the editor should hold after each action, kept from the rules the user sees: which cells
 * an action writes, with which register and which colour copy; how stores and mode changes move
 * characters; what a load brings in; what each thumbnail was last drawn from.
 */
struct Model {
    std::array<ZestawZnakow, 2> Znaki{};
    std::array<std::array<Bajt, 64>, 4> Obiekty{};
    std::array<Bajt, 4> BuforKodow{};
    std::array<Komorka, 128> Pixel{};
    std::array<Komorka, 128> bufPixel{};
    std::array<Bajt, 4> KodyEdytowane{};
    std::array<Bajt, 5> WartoscKoloru{};
    std::array<QRgb, 5> KolorEkranowy{};
    KolorRysowania rysowanie;
    int wybrany = 0;
    bool otwarty = false; // the selected object's frame is red
    bool tylkoWybrany = false;
    Tryb tryb = Tryb::Vendra;
    QString nazwa;
    int wybranaZamiana = -1;
    QImage miniatury;

    explicit Model(const StanEdytora &s)
        : Znaki(s.zestaw.Znaki), Obiekty(s.zestaw.Obiekty), BuforKodow(s.zestaw.BuforKodow), Pixel(s.Pixel),
          bufPixel(s.bufPixel), KodyEdytowane(s.KodyEdytowane), WartoscKoloru(s.WartoscKoloru),
          KolorEkranowy(s.KolorEkranowy), rysowanie(s.kolorRysowania), wybrany(s.WybranyObiekt),
          otwarty(s.ramki[s.WybranyObiekt] == kCzerwony), tylkoWybrany(s.TylkoWybrany),
          tryb(s.TrybZawartosci), nazwa(s.NazwaZestawu), wybranaZamiana(s.wybranaZamiana),
          miniatury(s.miniatury)
    {
    }

    Komorka rejestr(int r) const { return {Bajt(r), KolorEkranowy[r]}; }
    Komorka pedzel() const { return {rysowanie.nr, rysowanie.kolor}; }
    Bajt &wiersz(int k, Bajt kod, int r) { return Znaki[k % 2][8 * (kod & 0x7F) + r]; }

    void ustalNegatyw()
    {
        for (int k = 0; k < 4; ++k)
            KodyEdytowane[k] = Bajt((KodyEdytowane[k] & 0x7F) | (maPF3(Pixel, k) ? 0x80 : 0));
    }

    /** Thumbnail i drawn from the set (the hot spot of the model: written for a build without optimisation).
     */
    void rysujZZestawu(int i)
    {
        const qsizetype linia = miniatury.bytesPerLine() / qsizetype(sizeof(QRgb));
        QRgb *obraz = reinterpret_cast<QRgb *>(miniatury.bits()) + 32 * i;
        for (int k = 0; k < 4; ++k) {
            const Bajt kod = Obiekty[k][i];
            const Bajt *znak = Znaki[k % 2].data() + 8 * (kod & 0x7F);
            const int *rejestry = kRejestrPary[kod & 0x80 ? 1 : 0].data();
            for (int r = 0; r < 8; ++r) {
                QRgb *gora = obraz + linia * 2 * (r + 8 * (k % 2)) + 16 * (k / 2);
                QRgb *dol = gora + linia;
                for (int x = 0; x < 4; ++x) {
                    const QRgb kolor = KolorEkranowy[rejestry[(znak[r] >> (6 - 2 * x)) & 3]];
                    for (int dx = 4 * x; dx < 4 * x + 4; ++dx)
                        gora[dx] = dol[dx] = kolor;
                }
            }
        }
    }

    void odswiez()
    {
        for (int i = 0; i < 64; ++i)
            rysujZZestawu(i);
        otwarty = false;
    }

    void przemaluj()
    {
        for (Komorka &c : Pixel)
            c.kolor = KolorEkranowy[c.nr];
        for (Komorka &c : bufPixel)
            c.kolor = KolorEkranowy[c.nr];
    }

    void otworz()
    {
        otwarty = true;
        for (int k = 0; k < 4; ++k) {
            const Bajt kod = Obiekty[k][wybrany];
            for (int r = 0; r < 8; ++r)
                for (int x = 0; x < 4; ++x) {
                    const int rej = rejestrPiksela(wiersz(k, kod, r), x, kod & 0x80);
                    if (!tylkoWybrany || rysowanie.nr == rej)
                        Pixel[komorka(k, r, x)] = rejestr(rej);
                }
            KodyEdytowane[k] = kod;
        }
    }

    void maluj(int p, int przycisk)
    {
        if (przycisk == 1) {
            Pixel[p] = pedzel();
            // PF2 and PF3 share the pair 11: painting one turns the other of the same character into it.
            const int inny = rysowanie.nr == PF2 ? PF3 : rysowanie.nr == PF3 ? PF2 : -1;
            for (int q = 32 * (p / 32); q < 32 * (p / 32 + 1); ++q)
                if (Pixel[q].nr == inny)
                    Pixel[q] = pedzel();
        } else if (przycisk == 2) {
            Pixel[p] = rejestr(BAK);
        }
        ustalNegatyw();
    }

    void paleta(const QImage &obraz, int x, int y)
    {
        const QRgb kolor = obraz.pixel(x, y);
        const int s = rysowanie.nr;
        rysowanie.kolor = kolor;
        KolorEkranowy[s] = kolor;
        WartoscKoloru[s] = Bajt(16 * (y / 15) + 2 * (x / 16));
        for (auto *komorki : {&Pixel, &bufPixel})
            for (Komorka &c : *komorki)
                if (c.nr == s)
                    c.kolor = kolor;
        odswiez();
    }

    void zamien(int L)
    {
        tylkoWybrany = false;
        wybranaZamiana = L;
        const Komorka p = pedzel();
        for (Komorka &c : Pixel) {
            if (c.nr == p.nr)
                c = rejestr(L);
            else if (c.nr == L)
                c = p;
        }
        ustalNegatyw();
    }

    void wypelnij()
    {
        Pixel.fill(pedzel());
        ustalNegatyw();
    }

    void doBufora()
    {
        tylkoWybrany = false;
        bufPixel = Pixel;
        BuforKodow = KodyEdytowane;
    }

    void zBufora()
    {
        tylkoWybrany = false;
        for (int p = 0; p < 128; ++p) {
            const bool odwrocony = BuforKodow[p / 32] & 0x80;
            Pixel[p] = tryb == Tryb::JGP && odwrocony && bufPixel[p].nr == PF3 ? rejestr(PF2) : bufPixel[p];
        }
        ustalNegatyw();
    }

    void zmienTryb(Tryb m)
    {
        tylkoWybrany = false;
        const auto przed = Znaki;
        tryb = m;
        if (m == Tryb::JGP && rysowanie.nr == PF3)
            rysowanie = {PF2, KolorEkranowy[PF2]};
        for (int i = 0; i < 64; ++i)
            for (const int k : kKolejnoscZnakow) {
                const Bajt stary = Obiekty[k][i];
                const Bajt nowy =
                    m == Tryb::Vendra ? Bajt((i + 64 * (k / 2)) | (stary & 0x80)) : Bajt(2 * i + k / 2);
                Obiekty[k][i] = nowy;
                for (int r = 0; r < 8; ++r)
                    wiersz(k, nowy, r) = przed[k % 2][8 * (stary & 0x7F) + r];
            }
        odswiez();
        otworz();
    }

    void wybierzTryb(Tryb m)
    {
        if (m != tryb)
            zmienTryb(m);
    }

    void zapamietaj()
    {
        tylkoWybrany = false;
        odswiez();
        otwarty = true;
        for (int p = 0; p < 128; ++p)
            rysujBlok(miniatury, 32 * wybrany, kolumnaObrazka(p), wierszObrazka(p), Pixel[p].kolor);
        for (int k = 0; k < 4; ++k)
            Obiekty[k][wybrany] = Bajt((Obiekty[k][wybrany] & 0x7F) | (KodyEdytowane[k] & 0x80));
        for (const int k : kKolejnoscZnakow)
            for (int r = 0; r < 8; ++r)
                wiersz(k, Obiekty[k][wybrany], r) = wierszZKomorek(Pixel, k, r);
        otworz();
    }

    /** What follows the reading of a file: the set shown anew, the mode its table implies, the object
     * reopened. */
    void poOdczycie()
    {
        odswiez();
        przemaluj();
        wybierzTryb(int(Obiekty[2][0]) == int(Obiekty[0][0]) + 64 ? Tryb::Vendra : Tryb::JGP);
        otworz();
    }

    void wczytaj(const QByteArray &plik)
    {
        tylkoWybrany = false;
        const auto *b = reinterpret_cast<const Bajt *>(plik.constData());
        for (int n = 0; n < 2048; ++n)
            Znaki[n / 1024][n % 1024] = b[n];
        for (int n = 0; n < 256; ++n)
            Obiekty[n / 64][n % 64] = b[2048 + n];
        for (int j = 0; j < 5; ++j) {
            WartoscKoloru[kKolejnoscPliku[j]] = b[2560 + j];
            KolorEkranowy[kKolejnoscPliku[j]] = qRgb(b[2565 + 3 * j], b[2566 + 3 * j], b[2567 + 3 * j]);
        }
        poOdczycie();
    }

    void importuj(const QByteArray &plik, bool tak)
    {
        tylkoWybrany = false;
        if (tryb == Tryb::Vendra && tak)
            zmienTryb(Tryb::JGP);
        const auto *b = reinterpret_cast<const Bajt *>(plik.constData()) + (plik.size() - 2048);
        for (int n = 0; n < 2048; ++n)
            Znaki[n / 1024][n % 1024] = b[n];
        for (int i = 0; i < 64; ++i)
            for (int k = 0; k < 4; ++k)
                Obiekty[k][i] = Bajt(tryb == Tryb::Vendra ? i + 64 * (k / 2) : 2 * i + k / 2);
        poOdczycie();
    }

    /** The set file of this state, byte by byte. */
    QByteArray plikZestawu() const
    {
        QByteArray b;
        for (const auto &zestaw : Znaki)
            for (const Bajt x : zestaw)
                b.append(char(x));
        for (const Bajt odwrocenie : {0, 0x80})
            for (const auto &pozycja : Obiekty)
                for (const Bajt kod : pozycja)
                    b.append(char(kod ^ odwrocenie));
        for (const int r : kKolejnoscPliku)
            b.append(char(WartoscKoloru[r]));
        for (const int r : kKolejnoscPliku)
            b.append(char(qRed(KolorEkranowy[r])))
                .append(char(qGreen(KolorEkranowy[r])))
                .append(char(qBlue(KolorEkranowy[r])));
        return b;
    }
};

/** Where two byte strings first differ, for a report. */
QString roznica(const QByteArray &jest, const QByteArray &ma)
{
    qsizetype n = 0;
    while (n < jest.size() && n < ma.size() && jest[n] == ma[n])
        ++n;
    return QStringLiteral("%1 bytes against %2, first difference at byte %3")
        .arg(jest.size())
        .arg(ma.size())
        .arg(n);
}

QString komorkaTekstem(const Komorka &c)
{
    return QStringLiteral("(register %1, %2)").arg(c.nr).arg(kolorTekstem(c.kolor));
}

Wynik porownajKomorki(const QString &nazwa, const std::array<Komorka, 128> &jest,
                      const std::array<Komorka, 128> &ma)
{
    for (int p = 0; p < 128; ++p)
        if (!(jest[p] == ma[p]))
            return Naruszenie{nazwa, QStringLiteral("cell %1 is %2, the model says %3")
                                         .arg(p)
                                         .arg(komorkaTekstem(jest[p]), komorkaTekstem(ma[p]))};
    return std::nullopt;
}

template <typename T, std::size_t N>
Wynik porownajBajty(const QString &nazwa, const std::array<T, N> &jest, const std::array<T, N> &ma)
{
    if (std::memcmp(jest.data(), ma.data(), sizeof(T) * N) == 0)
        return std::nullopt;
    const auto *a = reinterpret_cast<const Bajt *>(jest.data());
    const auto *b = reinterpret_cast<const Bajt *>(ma.data());
    const std::size_t n = std::mismatch(a, a + sizeof(T) * N, b).first - a;
    return Naruszenie{nazwa, QStringLiteral("byte %1 is %2, the model says %3").arg(n).arg(a[n]).arg(b[n])};
}

Wynik porownaj(const StanEdytora &s, const Model &m)
{
    if (Wynik w = porownajKomorki(QStringLiteral("Pixel"), s.Pixel, m.Pixel))
        return w;
    if (Wynik w = porownajKomorki(QStringLiteral("bufPixel"), s.bufPixel, m.bufPixel))
        return w;
    if (Wynik w = porownajBajty(QStringLiteral("Znaki"), s.zestaw.Znaki, m.Znaki))
        return w;
    if (Wynik w = porownajBajty(QStringLiteral("Obiekty"), s.zestaw.Obiekty, m.Obiekty))
        return w;
    if (Wynik w = porownajBajty(QStringLiteral("BuforKodow"), s.zestaw.BuforKodow, m.BuforKodow))
        return w;
    if (Wynik w = porownajBajty(QStringLiteral("KodyEdytowane"), s.KodyEdytowane, m.KodyEdytowane))
        return w;
    if (Wynik w = porownajBajty(QStringLiteral("WartoscKoloru"), s.WartoscKoloru, m.WartoscKoloru))
        return w;
    if (Wynik w = porownajBajty(QStringLiteral("KolorEkranowy"), s.KolorEkranowy, m.KolorEkranowy))
        return w;
    if (s.kolorRysowania.nr != m.rysowanie.nr || s.kolorRysowania.kolor != m.rysowanie.kolor)
        return Naruszenie{QStringLiteral("kolorRysowania"),
                          QStringLiteral("%1, the model says %2")
                              .arg(komorkaTekstem({s.kolorRysowania.nr, s.kolorRysowania.kolor}),
                                   komorkaTekstem(m.pedzel()))};
    if (s.WybranyObiekt != m.wybrany || (s.ramki[s.WybranyObiekt] == kCzerwony) != m.otwarty)
        return Naruszenie{QStringLiteral("selection"),
                          QStringLiteral("object %1 %2, the model says %3 %4")
                              .arg(s.WybranyObiekt)
                              .arg(kolorTekstem(s.ramki[s.WybranyObiekt]))
                              .arg(m.wybrany)
                              .arg(m.otwarty ? QStringLiteral("opened") : QStringLiteral("selected"))};
    if (s.TylkoWybrany != m.tylkoWybrany || s.TrybZawartosci != m.tryb ||
        s.wybranaZamiana != m.wybranaZamiana || s.NazwaZestawu != m.nazwa)
        return Naruszenie{
            QStringLiteral("options"),
            QStringLiteral("TylkoWybrany %1 mode %2 swap item %3 name %4, the model says %5 %6 %7 %8")
                .arg(s.TylkoWybrany)
                .arg(int(s.TrybZawartosci))
                .arg(s.wybranaZamiana)
                .arg(s.NazwaZestawu)
                .arg(m.tylkoWybrany)
                .arg(int(m.tryb))
                .arg(m.wybranaZamiana)
                .arg(m.nazwa)};
    if (s.miniatury.format() != m.miniatury.format() || s.miniatury.size() != m.miniatury.size() ||
        std::memcmp(s.miniatury.constBits(), m.miniatury.constBits(), s.miniatury.sizeInBytes()) != 0) {
        for (int y = 0; y < m.miniatury.height(); ++y)
            for (int x = 0; x < m.miniatury.width(); ++x)
                if (s.miniatury.pixel(x, y) != m.miniatury.pixel(x, y))
                    return Naruszenie{QStringLiteral("thumbnails"),
                                      QStringLiteral("object %1 point (%2, %3) is %4, the model says %5")
                                          .arg(x / 32)
                                          .arg(x % 32)
                                          .arg(y)
                                          .arg(kolorTekstem(s.miniatury.pixel(x, y)),
                                               kolorTekstem(m.miniatury.pixel(x, y)))};
        return Naruszenie{QStringLiteral("thumbnails"),
                          QStringLiteral("the picture's format or size changed")};
    }
    return std::nullopt;
}

DaneZestawu daneStanu(const StanEdytora &s)
{
    return {s.zestaw.Znaki, s.zestaw.Obiekty, s.WartoscKoloru, s.KolorEkranowy};
}

/** What the loader does with a set once it has been read. */
void zastosuj(StanEdytora &s, const DaneZestawu &d)
{
    s.TylkoWybrany = false;
    s.zestaw.Znaki = d.Znaki;
    s.zestaw.Obiekty = d.Obiekty;
    s.WartoscKoloru = d.WartoscKoloru;
    s.KolorEkranowy = d.KolorEkranowy;
    OdswiezObiekty(s);
    PrzemalujKomorki(s);
    const auto &o = s.zestaw.Obiekty;
    WybierzTryb(s, int(o[2][0]) == int(o[0][0]) + 64 ? Tryb::Vendra : Tryb::JGP);
    ZZ_DblClick(s, s.WybranyObiekt);
}

struct Porazka {
    qsizetype indeks;
    Naruszenie naruszenie;
};

/** One session from the editor's start: plays actions on the state and the model and checks both. */
class Przebieg {
  public:
    explicit Przebieg(const QImage &paleta)
        : m_paleta(paleta), m_stan(StanPoczatkowy()), m_model(m_stan), m_katalogPrzed(QDir::currentPath())
    {
    }
    ~Przebieg() { QDir::setCurrent(m_katalogPrzed); }
    Przebieg(const Przebieg &) = delete;
    Przebieg &operator=(const Przebieg &) = delete;

    const StanEdytora &stan() const { return m_stan; }
    const QList<QByteArray> &zapisane() const { return m_zapisane; }

    Wynik wykonaj(const Akcja &akcja)
    {
        if (!m_katalog.isValid())
            return Naruszenie{QStringLiteral("set-up"), QStringLiteral("no temporary folder")};
        Wynik w = zagraj(akcja);
        if (!w)
            w = zawsze(m_stan);
        if (!w && konczyUstaleniemNegatywu(akcja.rodzaj))
            w = bitNegatywuKodow(m_stan);
        if (!w && m_otwartoCalosc)
            w = siatkaRownaZestawowi(m_stan);
        if (!w)
            w = porownaj(m_stan, m_model);
        if (!w && !m_dialogi.bledy.isEmpty())
            w = Naruszenie{QStringLiteral("dialogs"), m_dialogi.bledy.join(u'\n')};
        return w;
    }

  private:
    static bool konczyUstaleniemNegatywu(Rodzaj r)
    {
        return r == Rodzaj::Malowanie || r == Rodzaj::Zamiana || r == Rodzaj::Wypelnienie ||
               r == Rodzaj::ZBufora;
    }

    QString plik(int n) const { return m_katalog.filePath(QStringLiteral("Z%1.ORB").arg(n)); }

    /** Runs one action on the state and on the model; m_otwartoCalosc tells whether it ended with a whole
     * opening. */
    Wynik zagraj(const Akcja &akcja)
    {
        StanEdytora &s = m_stan;
        Model &m = m_model;
        m_otwartoCalosc = false;
        m_dialogi = SkryptoweDialogi();
        const int a = akcja.a, b = akcja.b;
        switch (akcja.rodzaj) {
        case Rodzaj::Malowanie:
            MalujKomorke(s, a, b);
            m.maluj(a, b);
            break;
        case Rodzaj::Rejestr:
            if (a == PF3 && !s.pf3Dostepny())
                break; // the button is disabled
            WybierzKolor(s, a);
            m.rysowanie = {Bajt(a), m.KolorEkranowy[a]};
            break;
        case Rodzaj::Paleta:
            WybierzZPalety(s, m_paleta, a, b);
            m.paleta(m_paleta, a, b);
            break;
        case Rodzaj::Zamiana:
            ZamienKolory(s, a);
            m.zamien(a);
            break;
        case Rodzaj::Wypelnienie:
            Wypelnij(s);
            m.wypelnij();
            break;
        case Rodzaj::DoBufora:
            DoBufora(s);
            m.doBufora();
            break;
        case Rodzaj::ZBufora:
            ZBufora(s);
            m.zBufora();
            break;
        case Rodzaj::Tryb:
            m_otwartoCalosc = static_cast<Tryb>(a) != s.TrybZawartosci;
            WybierzTryb(s, static_cast<Tryb>(a));
            m.wybierzTryb(static_cast<Tryb>(a));
            break;
        case Rodzaj::Wybor:
            WybierzObiekt(s, a);
            m.wybrany = a;
            m.otwarty = false;
            break;
        case Rodzaj::Otwarcie:
            m_otwartoCalosc = !s.TylkoWybrany;
            WybierzObiekt(s, a);
            ZZ_DblClick(s, a);
            m.wybrany = a;
            m.otworz();
            break;
        case Rodzaj::TylkoWybrany:
            s.TylkoWybrany = a != 0;
            m.tylkoWybrany = a != 0;
            break;
        case Rodzaj::Zapamietanie:
            m_otwartoCalosc = true;
            ZapamietajObiekt(s);
            m.zapamietaj();
            break;
        case Rodzaj::ZapisWPamieci: return zapisWPamieci();
        case Rodzaj::OdczytZPamieci: {
            m_otwartoCalosc = true;
            const auto dane = OdczytajZestaw(akcja.dane);
            if (!dane)
                return Naruszenie{QStringLiteral("decoding"), QStringLiteral("a 2580-byte set was refused")};
            const Tryb przed = s.TrybZawartosci;
            zastosuj(s, *dane);
            m.wczytaj(akcja.dane);
            return przywrocony(akcja.dane, przed);
        }
        case Rodzaj::ZapisPliku: return zapisPliku(a);
        case Rodzaj::OdczytPliku: {
            const QByteArray bajty = czytajPlik(plik(a));
            if (bajty.isEmpty())
                break; // nothing saved under that name yet
            m_otwartoCalosc = true;
            const Tryb przed = s.TrybZawartosci;
            m_dialogi.pliki << plik(a);
            Wczytaj(s, m_dialogi);
            m.wczytaj(bajty);
            m.nazwa = QStringLiteral("Z%1.ORB").arg(a);
            if (!m_dialogi.komunikaty.isEmpty())
                return Naruszenie{QStringLiteral("dialogs"),
                                  QStringLiteral("loading said: ") + m_dialogi.komunikaty[0].tekst};
            return przywrocony(bajty, przed);
        }
        case Rodzaj::Import: {
            m_otwartoCalosc = true;
            const QString nazwa =
                akcja.dane.size() == kRozmiarZnakow ? QStringLiteral("F.FN2") : QStringLiteral("F.FNT");
            if (!zapiszPlik(m_katalog.filePath(nazwa), akcja.dane))
                return Naruszenie{QStringLiteral("set-up"), QStringLiteral("cannot write ") + nazwa};
            const bool pyta = s.TrybZawartosci == Tryb::Vendra;
            if (pyta)
                m_dialogi.odpowiedzi << (a ? Dialogi::Odpowiedz::Tak : Dialogi::Odpowiedz::Nie);
            m_dialogi.pliki << m_katalog.filePath(nazwa);
            Wczytaj(s, m_dialogi);
            m.importuj(akcja.dane, a);
            m.nazwa = nazwa;
            if (m_dialogi.komunikaty.size() != int(pyta) || !m_dialogi.odpowiedzi.isEmpty())
                return Naruszenie{QStringLiteral("dialogs"),
                                  QStringLiteral("an import in mode %1 showed %2 messages")
                                      .arg(int(m.tryb))
                                      .arg(m_dialogi.komunikaty.size())};
            break;
        }
        case Rodzaj::Sabotaz: sabotuj(a); break;
        }
        return std::nullopt;
    }

    Wynik zapisWPamieci()
    {
        const QByteArray bajty = ZakodujZestaw(daneStanu(m_stan));
        if (bajty != m_model.plikZestawu())
            return Naruszenie{QStringLiteral("encoding"),
                              QStringLiteral("ZakodujZestaw differs from the model's set file: ") +
                                  roznica(bajty, m_model.plikZestawu())};
        const auto dane = OdczytajZestaw(bajty);
        if (!dane || dane->Znaki != m_stan.zestaw.Znaki || dane->Obiekty != m_stan.zestaw.Obiekty ||
            dane->WartoscKoloru != m_stan.WartoscKoloru || dane->KolorEkranowy != m_stan.KolorEkranowy)
            return Naruszenie{QStringLiteral("decoding"),
                              QStringLiteral("OdczytajZestaw does not give back what was encoded")};
        m_zapisane << bajty;
        if (m_zapisane.size() > 8)
            m_zapisane.removeFirst();
        return std::nullopt;
    }

    /** After loading a set file without a change of mode, saving gives the same file (but for the inverse
     * table). */
    Wynik przywrocony(const QByteArray &plik, Tryb przed) const
    {
        if (m_stan.TrybZawartosci != przed)
            return std::nullopt; // the mode switch re-laid the set
        const QByteArray teraz = ZakodujZestaw(daneStanu(m_stan));
        if (teraz.left(2304) != plik.left(2304) || teraz.mid(2560) != plik.mid(2560))
            return Naruszenie{QStringLiteral("round trip"),
                              QStringLiteral("the loaded set saves differently: ") + roznica(teraz, plik)};
        return std::nullopt;
    }

    Wynik zapisPliku(int n)
    {
        const bool istnieje = QFile::exists(plik(n));
        m_dialogi.pliki << plik(n);
        if (istnieje)
            m_dialogi.odpowiedzi << Dialogi::Odpowiedz::Ok;
        Zapisz(m_stan, m_dialogi);
        m_model.nazwa = QStringLiteral("Z%1.ORB").arg(n);
        if (m_dialogi.komunikaty.size() != 1 + int(istnieje) || !m_dialogi.odpowiedzi.isEmpty() ||
            m_dialogi.komunikaty.last().tekst != QStringLiteral("Zestaw znaków został pomyślnie zapisany"))
            return Naruszenie{QStringLiteral("dialogs"),
                              QStringLiteral("saving said: ") + m_dialogi.komunikaty.last().tekst};
        if (const QByteArray zapisany = czytajPlik(plik(n)); zapisany != m_model.plikZestawu())
            return Naruszenie{QStringLiteral("encoding"),
                              QStringLiteral("the saved file differs from the model's set file: ") +
                                  roznica(zapisany, m_model.plikZestawu())};
        return std::nullopt;
    }

    /** Breaks the state behind the editor's back, to show that the checks notice. */
    void sabotuj(int rodzaj)
    {
        StanEdytora &s = m_stan;
        switch (rodzaj) {
        case 0: s.zestaw.Znaki[1][100] ^= 0x40; break;
        case 1: s.podglad.setPixel(5, 7, s.podglad.pixel(5, 7) ^ 0x00010101u); break;
        case 2: s.ramki[(s.WybranyObiekt + 1) % 64] = kBialy; break;
        case 3: s.Pixel[40].kolor ^= 0x00808080u; break;
        case 4: s.miniatury.setPixel(1000, 20, s.miniatury.pixel(1000, 20) ^ 0x00FF0000u); break;
        case 5: s.bufPixel[3].nr = Bajt((s.bufPixel[3].nr + 1) % 5); break;
        case 6: s.WartoscKoloru[PF2] ^= 2; break;
        case 7: s.Pixel[9].nr = 5; break;
        case 8:
            // A PF3 cell silently turned into PF2: only a history that brought PF3 into the grid shows it.
            for (Komorka &c : s.Pixel)
                if (c.nr == PF3) {
                    c.nr = PF2;
                    break;
                }
            break;
        default: break;
        }
    }

    const QImage &m_paleta;
    StanEdytora m_stan;
    Model m_model;
    SkryptoweDialogi m_dialogi;
    QTemporaryDir m_katalog;
    QString m_katalogPrzed;
    QList<QByteArray> m_zapisane;
    bool m_otwartoCalosc = false;
};

/** Weights of the kinds of action, in the order of Rodzaj (the break is never drawn). */
constexpr std::array<int, int(Rodzaj::Sabotaz)> kWagi{
    400, // Malowanie
    100, // Rejestr
    40,  // Paleta
    40,  // Zamiana
    10,  // Wypelnienie
    35,  // DoBufora
    35,  // ZBufora
    35,  // Tryb
    50,  // Wybor
    80,  // Otwarcie
    60,  // TylkoWybrany
    60,  // Zapamietanie
    15,  // ZapisWPamieci
    15,  // OdczytZPamieci
    3,   // ZapisPliku
    3,   // OdczytPliku
    3,   // Import
};
constexpr int kDlugoscFazy = 200;

/**
 * The user, at random. The session goes in phases of a few hundred actions, each of which leaves
 * some kinds of action out, so that combinations which the frequent kinds would wash away (a
 * paint restores the codes' bit 7, an opening the whole grid) get the room to happen.
 */
class Generator {
  public:
    explicit Generator(quint32 ziarno) : m_los(ziarno) {}

    int los(int n) { return int(m_los() % quint32(n)); }

    Akcja akcja(const Przebieg &przebieg)
    {
        if (m_doKoncaFazy-- == 0)
            nowaFaza();
        int u = los(m_suma);
        int r = 0;
        while (u >= m_wagi[r])
            u -= m_wagi[r++];
        return akcja(static_cast<Rodzaj>(r), przebieg);
    }

  private:
    void nowaFaza()
    {
        m_doKoncaFazy = kDlugoscFazy - 1;
        const bool wszystkie = los(4) == 0;
        do {
            m_suma = 0;
            for (std::size_t r = 0; r < kWagi.size(); ++r) {
                m_wagi[r] = wszystkie || los(3) == 0 ? kWagi[r] : 0;
                m_suma += m_wagi[r];
            }
        } while (m_suma == 0);
    }

    Akcja akcja(Rodzaj rodzaj, const Przebieg &przebieg)
    {
        switch (rodzaj) {
        case Rodzaj::Malowanie: {
            const int w = los(100);
            const int przycisk = w < 45 ? 1 : w < 80 ? 2 : w < 90 ? 4 : std::array{0, 3, 8, 16}[los(4)];
            return {rodzaj, los(128), przycisk};
        }
        case Rodzaj::Rejestr: return {rodzaj, los(przebieg.stan().pf3Dostepny() ? 5 : 4)};
        case Rodzaj::Paleta: return {rodzaj, los(kSzerokoscPalety), los(kWysokoscPalety)};
        case Rodzaj::Zamiana: return {rodzaj, los(5)};
        case Rodzaj::Tryb: return {rodzaj, los(2)};
        case Rodzaj::Wybor:
        case Rodzaj::Otwarcie: return {rodzaj, obiekt()};
        case Rodzaj::TylkoWybrany: return {rodzaj, los(2)};
        case Rodzaj::OdczytZPamieci: return {rodzaj, 0, 0, zestawDoWczytania(przebieg.zapisane())};
        case Rodzaj::ZapisPliku:
        case Rodzaj::OdczytPliku: return {rodzaj, los(3)};
        case Rodzaj::Import:
            return {rodzaj, los(2), 0, losoweBajty(los(2) ? kRozmiarZnakow : kRozmiarZnakowZNaglowkiem)};
        default: return {rodzaj};
        }
    }

    /** Half of the choices fall on four objects, so stores and openings meet. */
    int obiekt() { return los(2) ? los(4) : los(64); }

    QByteArray losoweBajty(qsizetype n)
    {
        QByteArray b(n, Qt::Uninitialized);
        for (char &c : b)
            c = char(m_los());
        return b;
    }

    /** An earlier save, one with a few bytes changed, or a new set (with a layout table or any codes at all).
     */
    QByteArray zestawDoWczytania(const QList<QByteArray> &zapisane)
    {
        const int w = los(10);
        if (!zapisane.isEmpty() && w < 4)
            return zapisane[los(int(zapisane.size()))];
        if (!zapisane.isEmpty() && w < 7) {
            QByteArray b = zapisane[los(int(zapisane.size()))];
            for (int n = 1 + los(8); n > 0; --n)
                b[los(int(b.size()))] = char(m_los());
            return b;
        }
        QByteArray b = losoweBajty(kRozmiarZestawu);
        if (los(2)) {
            const bool vendra = los(2);
            for (int k = 0; k < 4; ++k)
                for (int i = 0; i < 64; ++i) {
                    const int kod = vendra ? (i + 64 * (k / 2)) | (los(4) == 0 ? 0x80 : 0) : 2 * i + k / 2;
                    b[2048 + 64 * k + i] = char(kod);
                }
        }
        return b;
    }

    std::mt19937 m_los;
    std::array<int, kWagi.size()> m_wagi{};
    int m_suma = 0;
    int m_doKoncaFazy = 0;
};

std::optional<Porazka> odtworz(const std::vector<Akcja> &akcje, const QImage &paleta)
{
    Przebieg przebieg(paleta);
    for (qsizetype n = 0; n < qsizetype(akcje.size()); ++n)
        if (Wynik w = przebieg.wykonaj(akcje[n]))
            return Porazka{n, *w};
    return std::nullopt;
}

/**
 * Removes actions, in chunks halving down to single ones, from a failing list as long as a run
 * from the start still fails on the same property. Stops when the time is up.
 */
std::vector<Akcja> skroc(std::vector<Akcja> akcje, const Porazka &porazka, const QImage &paleta,
                         qint64 czasMs)
{
    QElapsedTimer zegar;
    zegar.start();
    akcje.erase(akcje.begin() + porazka.indeks + 1, akcje.end());
    for (std::size_t kawalek = std::max<std::size_t>(akcje.size() / 2, 1); kawalek >= 1; kawalek /= 2) {
        for (std::size_t od = 0; od < akcje.size() && zegar.elapsed() < czasMs;) {
            std::vector<Akcja> proba(akcje.begin(), akcje.begin() + od);
            proba.insert(proba.end(), akcje.begin() + std::min(od + kawalek, akcje.size()), akcje.end());
            const auto wynik = odtworz(proba, paleta);
            if (wynik && wynik->naruszenie.wlasnosc == porazka.naruszenie.wlasnosc) {
                proba.erase(proba.begin() + wynik->indeks + 1, proba.end());
                akcje = std::move(proba);
            } else {
                od += kawalek;
            }
        }
        if (kawalek == 1)
            break;
    }
    return akcje;
}

QString raport(quint32 ziarno, const Porazka &porazka, const std::vector<Akcja> &krotkie,
               const QImage &paleta)
{
    QString tekst = QStringLiteral("seed %1 (EDYTOR_LOSOWE_ZIARNO): action %2 broke \"%3\": %4\n")
                        .arg(ziarno)
                        .arg(porazka.indeks)
                        .arg(porazka.naruszenie.wlasnosc, porazka.naruszenie.opis);
    const auto znowu = odtworz(krotkie, paleta);
    tekst += QStringLiteral("shortest failing list found (%1 actions, from the editor's start)%2:\n")
                 .arg(krotkie.size())
                 .arg(znowu ? QStringLiteral(", failing with: ") + znowu->naruszenie.opis : QString());
    QString dane;
    for (std::size_t n = 0; n < krotkie.size(); ++n) {
        QString etykieta;
        if (!krotkie[n].dane.isEmpty()) {
            etykieta = QStringLiteral("D%1").arg(n + 1);
            dane += QStringLiteral("  %1 = %2\n").arg(etykieta, QString::fromLatin1(krotkie[n].dane.toHex()));
        }
        tekst += QStringLiteral("  %1. %2\n").arg(n + 1).arg(opis(krotkie[n], etykieta));
    }
    if (!dane.isEmpty())
        tekst += QStringLiteral("the bytes loaded, in hex:\n") + dane;
    return tekst;
}

quint32 zmienna(const char *nazwa, quint32 domyslna)
{
    bool ok = false;
    const quint32 w = qEnvironmentVariable(nazwa).toUInt(&ok);
    return ok ? w : domyslna;
}

} // namespace

class TestLosowe : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void losoweUzycie();
    void bledyWykrywane_data();
    void bledyWykrywane();

  private:
    QImage m_paleta;
};

void TestLosowe::initTestCase()
{
    m_paleta = ObrazPalety();
    QCOMPARE(m_paleta.size(), QSize(kSzerokoscPalety, kWysokoscPalety));
}

void TestLosowe::losoweUzycie()
{
    const quint32 ziarno = zmienna("EDYTOR_LOSOWE_ZIARNO", kDomyslneZiarno);
    const int ile = int(zmienna("EDYTOR_LOSOWE_AKCJE", kDomyslnieAkcji));
    qInfo("seed %u (EDYTOR_LOSOWE_ZIARNO), %d actions (EDYTOR_LOSOWE_AKCJE)", ziarno, ile);

    Generator generator(ziarno);
    std::vector<Akcja> akcje;
    akcje.reserve(ile);
    std::array<int, int(Rodzaj::Sabotaz)> ileRodzaju{};
    QElapsedTimer zegar;
    zegar.start();
    {
        Przebieg przebieg(m_paleta);
        for (int n = 0; n < ile; ++n) {
            akcje.push_back(generator.akcja(przebieg));
            ++ileRodzaju[int(akcje.back().rodzaj)];
            if (Wynik w = przebieg.wykonaj(akcje.back())) {
                const Porazka porazka{n, *w};
                const auto krotkie = skroc(akcje, porazka, m_paleta, kCzasSkracania);
                QFAIL(qPrintable(raport(ziarno, porazka, krotkie, m_paleta)));
            }
        }
    }
    const double sekundy = zegar.nsecsElapsed() / 1e9;
    qInfo("%d actions in %.2f s (%.0f per second)", ile, sekundy, ile / std::max(sekundy, 1e-9));
    // Every kind of action was played (a short run may miss the rare file actions).
    if (ile >= kDomyslnieAkcji)
        for (int r = 0; r < int(ileRodzaju.size()); ++r)
            QVERIFY2(ileRodzaju[r] > 0, qPrintable(QStringLiteral("action kind %1 never played").arg(r)));
}

void TestLosowe::bledyWykrywane_data()
{
    QTest::addColumn<int>("sabotaz");
    QTest::addColumn<int>("najwyzej"); // actions left after shortening
    QTest::addRow("a character byte") << 0 << 1;
    QTest::addRow("a preview pixel") << 1 << 1;
    QTest::addRow("a second white frame") << 2 << 1;
    QTest::addRow("a cell's colour copy") << 3 << 1;
    QTest::addRow("a thumbnail pixel") << 4 << 1;
    QTest::addRow("a buffer cell's register") << 5 << 1;
    QTest::addRow("a colour number") << 6 << 1;
    QTest::addRow("a register out of range") << 7 << 1;
    QTest::addRow("PF3 turned PF2 (needs a history)") << 8 << 3;
}

void TestLosowe::bledyWykrywane()
{
    // The checks and the shortening at work: a run broken on purpose fails at the break and
    // shortens to the break and what it needs.
    QFETCH(int, sabotaz);
    QFETCH(int, najwyzej);
    Generator generator(kDomyslneZiarno + quint32(sabotaz));
    std::vector<Akcja> akcje;
    std::optional<Porazka> porazka;
    {
        Przebieg przebieg(m_paleta);
        for (int n = 0; n < 3000 && !porazka; ++n) {
            // The break comes once the grid holds PF3, so that every kind of it has something to break.
            const bool pora =
                n >= 1000 && std::any_of(przebieg.stan().Pixel.begin(), przebieg.stan().Pixel.end(),
                                         [](const Komorka &c) { return c.nr == PF3; });
            akcje.push_back(pora ? Akcja{Rodzaj::Sabotaz, sabotaz} : generator.akcja(przebieg));
            if (Wynik w = przebieg.wykonaj(akcje.back()))
                porazka = Porazka{n, *w};
        }
    }
    QVERIFY2(porazka, "the broken state passed every check");
    QCOMPARE(akcje[porazka->indeks].rodzaj, Rodzaj::Sabotaz);
    QVERIFY(!porazka->naruszenie.opis.isEmpty());

    const auto krotkie = skroc(akcje, *porazka, m_paleta, kCzasSkracania);
    QVERIFY2(int(krotkie.size()) <= najwyzej, qPrintable(raport(0, *porazka, krotkie, m_paleta)));
    QCOMPARE(krotkie.back().rodzaj, Rodzaj::Sabotaz);
    const auto znowu = odtworz(krotkie, m_paleta);
    QVERIFY(znowu);
    QCOMPARE(znowu->naruszenie.wlasnosc, porazka->naruszenie.wlasnosc);
}

QTEST_GUILESS_MAIN(TestLosowe)
#include "test_losowe.moc"
