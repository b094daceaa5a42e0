// A long random session of user actions on the editor's state. After every action the state is
// compared with what the action should have made of the state before it: each cell's register and
// colour copy, the buffer, colours, codes, frames, options, and the set where an action writes it.
// Where an action re-lays or replaces the set, the set is checked through the rule it follows: a
// mode change keeps every object's picture, a load gives back the file byte for byte. The
// invariants of niezmienniki.h hold throughout.
// A failing run is replayed from a fresh start with actions removed until it is as short as it
// gets, and printed with its seed.
//
//   EDYTOR_LOSOWE_ZIARNO  seed of the generator (default below)
//   EDYTOR_LOSOWE_AKCJE   number of actions (default 100000)

#include "../wspolne/skryptowedialogi.h"
#include "edit/bufor.h"
#include "edit/kolory.h"
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

#include <numeric>
#include <random>
#include <tuple>
#include <vector>

using namespace edytor;
using namespace edytor::niezmienniki;

namespace {

constexpr quint32 kDomyslneZiarno = 20240611;
constexpr int kDomyslnieAkcji = 100000;
constexpr qint64 kCzasSkracania = 120'000; // ms spent at most on shortening a failing run

// What the user does, with the arguments a and b of each kind.
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
    Zapis,     // the set encoded in memory
    Wczytanie, // dane: bytes loaded by "Wczytaj"; a: the answer to the "JGP" question is Yes
};
constexpr const char *kNazwy[] = {"MalujKomorke",  "WybierzKolor", "WybierzZPalety", "ZamienKolory",
                                  "Wypelnij",      "DoBufora",     "ZBufora",        "WybierzTryb",
                                  "WybierzObiekt", "ZZ_DblClick",  "TylkoWybrany",   "ZapamietajObiekt",
                                  "ZakodujZestaw", "Wczytaj"};
/** How often each kind is drawn, in the order above. */
constexpr std::array kWagi{400, 100, 40, 40, 10, 35, 35, 35, 50, 80, 60, 60, 15, 20};
static_assert(std::size(kNazwy) == kWagi.size());

struct Akcja {
    Akcja(Rodzaj r, int x = 0, int y = 0, QByteArray d = {}) : rodzaj(r), a(x), b(y), dane(std::move(d)) {}
    Rodzaj rodzaj;
    int a, b;
    QByteArray dane;
};

/** The first element where the state differs from what it should be. */
template <class A> Wynik porownaj(const char *co, const A &jest, const A &ma)
{
    for (std::size_t n = 0; n < jest.size(); ++n)
        if (!(jest[n] == ma[n]))
            return naruszenie(co, QStringLiteral("element %1 differs").arg(n));
    return std::nullopt;
}

Wynik zgodny(const StanEdytora &s, const StanEdytora &m)
{
    const auto opcje = [](const StanEdytora &x) {
        return std::tuple(x.TylkoWybrany, x.TrybZawartosci, x.WybranyObiekt, x.wybranaZamiana, x.NazwaZestawu,
                          x.kolorRysowania.nr, x.kolorRysowania.kolor);
    };
    for (Wynik w :
         {porownaj("Pixel", s.Pixel, m.Pixel), porownaj("bufPixel", s.bufPixel, m.bufPixel),
          porownaj("Znaki", s.zestaw.Znaki, m.zestaw.Znaki),
          porownaj("Obiekty", s.zestaw.Obiekty, m.zestaw.Obiekty),
          porownaj("BuforKodow", s.zestaw.BuforKodow, m.zestaw.BuforKodow),
          porownaj("KodyEdytowane", s.KodyEdytowane, m.KodyEdytowane),
          porownaj("WartoscKoloru", s.WartoscKoloru, m.WartoscKoloru),
          porownaj("KolorEkranowy", s.KolorEkranowy, m.KolorEkranowy), porownaj("frames", s.ramki, m.ramki)})
        if (w)
            return w;
    if (opcje(s) != opcje(m))
        return naruszenie("options", QStringLiteral("mode, selection, name, swap item or drawing register"));
    return std::nullopt;
}

/** The code a layout gives position k of object i ("Vendra": i, i, i+64, i+64; "JGP": 2i, 2i, 2i+1, 2i+1). */
int uklad(Tryb t, int k, int i)
{
    return t == Tryb::Vendra ? i + 64 * (k / 2) : 2 * i + k / 2;
}

/** A mode change gives every object its layout's characters with the rows it had; "Vendra" keeps bit 7. */
Wynik przelozony(const Zestaw &przed, const Zestaw &po, Tryb t)
{
    for (int i = 0; i < kObiektow; ++i)
        for (int k = 0; k < kPozycji; ++k) {
            const Bajt stary = przed.Obiekty[k][i], nowy = po.Obiekty[k][i];
            bool dobry = nowy == (uklad(t, k, i) | (t == Tryb::Vendra ? stary & 0x80 : 0));
            for (int r = 0; r < 8; ++r)
                dobry &= po.Znaki[k % 2][8 * (nowy & 0x7F) + r] == przed.Znaki[k % 2][8 * (stary & 0x7F) + r];
            if (!dobry)
                return naruszenie("relayout", QStringLiteral("object %1 position %2").arg(i).arg(k));
        }
    return std::nullopt;
}

QByteArray zakoduj(const StanEdytora &s)
{
    return ZakodujZestaw({s.zestaw.Znaki, s.zestaw.Obiekty, s.WartoscKoloru, s.KolorEkranowy});
}

/** The codes' bit 7 follows their characters' PF3 cells. */
void ustalNegatyw(StanEdytora &m)
{
    for (int k = 0; k < kPozycji; ++k)
        m.KodyEdytowane[k] = Bajt((m.KodyEdytowane[k] & 0x7F) | (maPF3(m.Pixel, k) ? 0x80 : 0));
}

void wybierz(StanEdytora &m, int i)
{
    m.ramki.fill(kSzary);
    m.ramki[i] = kBialy;
    m.WybranyObiekt = i;
}

/** The selected object opened: its frame red, its cells (under "Tylko wybrany" the drawing register's). */
void otworz(StanEdytora &m)
{
    m.ramki[m.WybranyObiekt] = kCzerwony;
    const Komorki obiekt = komorkiObiektu(m, m.WybranyObiekt);
    for (int p = 0; p < kKomorek; ++p)
        if (!m.TylkoWybrany || obiekt[p].nr == m.kolorRysowania.nr)
            m.Pixel[p] = obiekt[p];
    for (int k = 0; k < kPozycji; ++k)
        m.KodyEdytowane[k] = m.zestaw.Obiekty[k][m.WybranyObiekt];
}

/** One session from the editor's start: plays actions on the state and checks each one. */
class Przebieg {
  public:
    explicit Przebieg(const QImage &paleta) : m_paleta(paleta), m_stan(StanPoczatkowy()) {}
    ~Przebieg() { QDir::setCurrent(m_katalogPrzed); }
    const StanEdytora &stan() const { return m_stan; }
    const QList<QByteArray> &zapisane() const { return m_zapisane; }

    Wynik wykonaj(const Akcja &akcja)
    {
        const StanEdytora przed = m_stan;
        StanEdytora m = przed; // what the state should become
        m_dialogi = SkryptoweDialogi();
        Wynik w = zagraj(akcja, m);
        if (!w)
            w = zawsze(m_stan);
        if (!w)
            w = zgodny(m_stan, m);
        // Thumbnails change only on a refresh, which draws them from the set; a store refreshes
        // before it writes the set, then draws its object from the grid. All of them are checked
        // when the set was replaced or re-laid, otherwise the selected one and every eighth.
        const Rodzaj r = akcja.rodzaj;
        const bool zapamietanie = r == Rodzaj::Zapamietanie,
                   wszystkie = r == Rodzaj::Wczytanie || r == Rodzaj::Tryb;
        const bool odswiezone = zapamietanie || r == Rodzaj::Paleta || r == Rodzaj::Wczytanie ||
                                m.TrybZawartosci != przed.TrybZawartosci;
        for (int i = 0; i < kObiektow && !w && odswiezone; ++i)
            if (wszystkie || i % 8 == akcja.a % 8 || i == m.WybranyObiekt)
                w = obrazRowny("thumbnails", m_stan.miniatury, 32 * i,
                               zapamietanie && i == m.WybranyObiekt
                                   ? przed.Pixel
                                   : komorkiObiektu(zapamietanie ? przed : m_stan, i));
        if (!w && !odswiezone && !(m_stan.miniatury == przed.miniatury))
            w = naruszenie("thumbnails", QStringLiteral("drawn without a refresh"));
        if (!w && !m_dialogi.bledy.isEmpty())
            w = naruszenie("dialogs", m_dialogi.bledy.join(u'\n'));
        return w;
    }

  private:
    /** After a change of mode or a load: the set is the state's (checked before), the object reopens. */
    void poZmianieZestawu(StanEdytora &m, Tryb t)
    {
        m.zestaw.Znaki = m_stan.zestaw.Znaki;
        m.zestaw.Obiekty = m_stan.zestaw.Obiekty;
        m.TylkoWybrany = false;
        if (t == Tryb::JGP && m.kolorRysowania.nr == PF3)
            m.kolorRysowania = {PF2, m.KolorEkranowy[PF2]};
        m.TrybZawartosci = t;
        wybierz(m, m.WybranyObiekt);
        otworz(m);
    }

    Wynik zagraj(const Akcja &akcja, StanEdytora &m)
    {
        StanEdytora &s = m_stan;
        const int a = akcja.a, b = akcja.b;
        const Komorka pedzel{m.kolorRysowania.nr, m.kolorRysowania.kolor};
        const auto rejestr = [&m](int r) { return Komorka{Bajt(r), m.KolorEkranowy[r]}; };
        switch (akcja.rodzaj) {
        case Rodzaj::Malowanie: {
            // PF2 and PF3 share the pair 11: painting one turns the other of the same character into it.
            MalujKomorke(s, a, b);
            const int inny = pedzel.nr == PF2 ? PF3 : pedzel.nr == PF3 ? PF2 : -1;
            for (int q = 32 * (a / 32); q < 32 * (a / 32 + 1) && b == 1; ++q)
                m.Pixel[q] = q == a || m.Pixel[q].nr == inny ? pedzel : m.Pixel[q];
            if (b == 2)
                m.Pixel[a] = rejestr(BAK);
            ustalNegatyw(m);
            break;
        }
        case Rodzaj::Rejestr:
            if (a == PF3 && !s.pf3Dostepny())
                break; // the button is disabled
            WybierzKolor(s, a);
            m.kolorRysowania = {Bajt(a), m.KolorEkranowy[a]};
            break;
        case Rodzaj::Paleta:
            WybierzZPalety(s, m_paleta, a, b);
            m.kolorRysowania.kolor = m.KolorEkranowy[pedzel.nr] = m_paleta.pixel(a, b);
            m.WartoscKoloru[pedzel.nr] = Bajt(16 * (b / 15) + 2 * (a / 16));
            for (auto *komorki : {&m.Pixel, &m.bufPixel})
                for (Komorka &c : *komorki)
                    c.kolor = c.nr == pedzel.nr ? m.kolorRysowania.kolor : c.kolor;
            wybierz(m, m.WybranyObiekt);
            break;
        case Rodzaj::Zamiana:
            ZamienKolory(s, a);
            for (Komorka &c : m.Pixel)
                c = c.nr == pedzel.nr ? rejestr(a) : c.nr == a ? pedzel : c;
            m.TylkoWybrany = false;
            m.wybranaZamiana = a;
            ustalNegatyw(m);
            break;
        case Rodzaj::Wypelnienie:
            Wypelnij(s);
            m.Pixel.fill(pedzel);
            ustalNegatyw(m);
            break;
        case Rodzaj::DoBufora:
            DoBufora(s);
            m.TylkoWybrany = false;
            m.bufPixel = m.Pixel;
            m.zestaw.BuforKodow = m.KodyEdytowane;
            break;
        case Rodzaj::ZBufora:
            // In "JGP" the PF3 cells of a character that was inverted when buffered come back as PF2.
            ZBufora(s);
            for (int p = 0; p < kKomorek; ++p)
                m.Pixel[p] = m.TrybZawartosci == Tryb::JGP && (m.zestaw.BuforKodow[p / 32] & 0x80) &&
                                     m.bufPixel[p].nr == PF3
                                 ? rejestr(PF2)
                                 : m.bufPixel[p];
            m.TylkoWybrany = false;
            ustalNegatyw(m);
            break;
        case Rodzaj::Tryb:
            WybierzTryb(s, Tryb(a));
            if (Tryb(a) == m.TrybZawartosci)
                break;
            if (Wynik w = przelozony(m.zestaw, s.zestaw, Tryb(a)))
                return w;
            poZmianieZestawu(m, Tryb(a));
            break;
        case Rodzaj::Wybor:
        case Rodzaj::Otwarcie:
            WybierzObiekt(s, a);
            wybierz(m, a);
            if (akcja.rodzaj == Rodzaj::Otwarcie) {
                ZZ_DblClick(s, a);
                otworz(m);
            }
            break;
        case Rodzaj::TylkoWybrany: s.TylkoWybrany = m.TylkoWybrany = a; break;
        case Rodzaj::Zapamietanie: {
            // The codes take the labels' bit 7; the characters they name take the cells' bit pairs
            // (PF0 01, PF1 10, PF2 and PF3 11, BAK 00), written top-left, top-right, bottom-left,
            // bottom-right.
            ZapamietajObiekt(s);
            auto &kody = m.zestaw.Obiekty;
            for (const int k : {0, 2, 1, 3}) {
                Bajt &kod = kody[k][m.WybranyObiekt];
                kod = Bajt((kod & 0x7F) | (m.KodyEdytowane[k] & 0x80));
                for (int r = 0; r < 8; ++r) {
                    int bajt = 0;
                    for (int x = 0; x < 4; ++x)
                        bajt = bajt << 2 | std::array{1, 2, 3, 0, 3}[m.Pixel[32 * k + 4 * r + x].nr];
                    m.zestaw.Znaki[k % 2][8 * (kod & 0x7F) + r] = Bajt(bajt);
                }
            }
            m.TylkoWybrany = false;
            wybierz(m, m.WybranyObiekt);
            otworz(m);
            break;
        }
        case Rodzaj::Zapis: {
            const QByteArray bajty = zakoduj(s);
            if (const auto d = OdczytajZestaw(bajty); !d || ZakodujZestaw(*d) != bajty)
                return naruszenie("round trip", QStringLiteral("the encoded set decodes differently"));
            m_zapisane << bajty;
            if (m_zapisane.size() > 8)
                m_zapisane.removeFirst();
            break;
        }
        case Rodzaj::Wczytanie: return wczytanie(akcja, m);
        }
        return std::nullopt;
    }

    /**
     * A set file brings its characters, table and colours and the mode its table implies; a file of
     * characters brings only them, laid out by the mode (switched to "JGP" first on a Yes). Either
     * way the buffer shows the colours anew and the selected object is opened again.
     */
    Wynik wczytanie(const Akcja &akcja, StanEdytora &m)
    {
        const QByteArray &dane = akcja.dane;
        const bool zestaw = dane.size() == kRozmiarZestawu,
                   pyta = !zestaw && m.TrybZawartosci == Tryb::Vendra;
        QFile plik(m_katalog.filePath(QStringLiteral("W%1").arg(dane.size())));
        if (!plik.open(QIODevice::WriteOnly) || plik.write(dane) != dane.size() || !plik.flush())
            return naruszenie("set-up", QStringLiteral("cannot write ") + plik.fileName());
        m_dialogi.pliki << plik.fileName();
        if (pyta)
            m_dialogi.odpowiedzi << (akcja.a ? Dialogi::Odpowiedz::Tak : Dialogi::Odpowiedz::Nie);
        Wczytaj(m_stan, m_dialogi);
        if (m_dialogi.komunikaty.size() != int(pyta))
            return naruszenie("dialogs", QStringLiteral("%1 messages").arg(m_dialogi.komunikaty.size()));

        const StanEdytora &s = m_stan;
        const auto *d = reinterpret_cast<const Bajt *>(dane.constData());
        const Tryb t = zestaw ? (d[2048 + 128] == d[2048] + 64 ? Tryb::Vendra : Tryb::JGP)
                              : (pyta && akcja.a ? Tryb::JGP : m.TrybZawartosci);
        const QByteArray teraz = zakoduj(s);
        if (zestaw && (teraz.mid(2560) != dane.mid(2560) ||
                       (t == m.TrybZawartosci && teraz.left(2304) != dane.left(2304))))
            return naruszenie("round trip", QStringLiteral("the loaded set saves differently"));
        if (const auto z = OdczytajZestaw(dane); zestaw && t != m.TrybZawartosci)
            if (Wynik w = przelozony({z->Znaki, z->Obiekty, {}}, s.zestaw, t))
                return w;
        for (int n = 0; n < kRozmiarZnakow && !zestaw; ++n)
            if (teraz[n] != dane[dane.size() - kRozmiarZnakow + n] ||
                (n < 256 && s.zestaw.Obiekty[n / 64][n % 64] != uklad(t, n / 64, n % 64)))
                return naruszenie("import",
                                  QStringLiteral("character byte %1 or code %1 is not as imported").arg(n));
        if (zestaw) {
            m.WartoscKoloru = s.WartoscKoloru;
            m.KolorEkranowy = s.KolorEkranowy;
        }
        for (Komorka &c : m.bufPixel)
            c.kolor = m.KolorEkranowy[c.nr];
        m.NazwaZestawu = QFileInfo(plik).fileName();
        poZmianieZestawu(m, t);
        return std::nullopt;
    }

    const QImage &m_paleta;
    StanEdytora m_stan;
    SkryptoweDialogi m_dialogi;
    QTemporaryDir m_katalog;
    QString m_katalogPrzed = QDir::currentPath();
    QList<QByteArray> m_zapisane;
};

/**
 * The user, at random. Every 200 actions a phase may leave some kinds of action out, so that
 * combinations which the frequent kinds wash away (a paint restores the codes' bit 7, an opening
 * the whole grid) get room to happen.
 */
class Generator {
  public:
    explicit Generator(quint32 ziarno) : m_los(ziarno) {}

    Akcja akcja(const Przebieg &przebieg)
    {
        if (m_akcja++ % 200 == 0) {
            const bool wszystkie = los(4) == 0;
            do
                for (std::size_t r = 0; r < kWagi.size(); ++r)
                    m_wagi[r] = wszystkie || los(3) == 0 ? kWagi[r] : 0;
            while (std::accumulate(m_wagi.begin(), m_wagi.end(), 0) == 0);
        }
        int u = los(std::accumulate(m_wagi.begin(), m_wagi.end(), 0)), r = 0;
        while (u >= m_wagi[r])
            u -= m_wagi[r++];
        switch (const auto rodzaj = Rodzaj(r)) {
        case Rodzaj::Malowanie:
            return {rodzaj, los(kKomorek), std::array{1, 1, 1, 1, 2, 2, 2, 4, 0, 3}[los(10)]};
        case Rodzaj::Rejestr: return {rodzaj, los(przebieg.stan().pf3Dostepny() ? 5 : 4)};
        case Rodzaj::Paleta: return {rodzaj, los(kSzerokoscPalety), los(kWysokoscPalety)};
        case Rodzaj::Zamiana: return {rodzaj, los(5)};
        case Rodzaj::Wybor:
        case Rodzaj::Otwarcie:
            return {rodzaj, los(2) ? los(4) : los(kObiektow)}; // so that stores and openings meet
        case Rodzaj::Wczytanie: return {rodzaj, los(2), 0, doWczytania(przebieg.zapisane())};
        default: return {rodzaj, los(2)};
        }
    }

  private:
    int los(int n) { return int(m_los() % quint32(n)); }

    /** Characters, an earlier save (maybe with bytes changed), or a new set with a layout or any codes. */
    QByteArray doWczytania(const QList<QByteArray> &zapisane)
    {
        const int w = los(10);
        if (w >= 3 && w < 8 && !zapisane.isEmpty()) {
            QByteArray b = zapisane[los(int(zapisane.size()))];
            for (int n = w < 6 ? 0 : 1 + los(8); n > 0; --n)
                b[los(int(b.size()))] = char(m_los());
            return b;
        }
        QByteArray b(w < 3 ? (los(2) ? kRozmiarZnakow : kRozmiarZnakowZNaglowkiem) : kRozmiarZestawu, 0);
        for (char &c : b)
            c = char(m_los());
        for (int n = 0, vendra = los(3); w >= 3 && vendra < 2 && n < 256; ++n)
            b[2048 + n] =
                char(vendra ? (n % 64 + 64 * (n / 128)) | (los(4) ? 0 : 0x80) : 2 * (n % 64) + n / 128);
        return b;
    }

    std::mt19937 m_los;
    std::array<int, kWagi.size()> m_wagi{};
    int m_akcja = 0;
};

struct Porazka {
    qsizetype indeks;
    Naruszenie naruszenie;
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
 * The report of a failure: the seed, then the list shortened by removing actions, in chunks halving
 * down to single ones, as long as a run from the start still fails on the same property (or until
 * the time is up).
 */
QString raport(quint32 ziarno, std::vector<Akcja> akcje, const Porazka &porazka, const QImage &paleta)
{
    QElapsedTimer zegar;
    zegar.start();
    akcje.erase(akcje.begin() + porazka.indeks + 1, akcje.end());
    for (std::size_t kawalek = std::max<std::size_t>(akcje.size() / 2, 1); kawalek > 0; kawalek /= 2)
        for (std::size_t od = 0; od < akcje.size() && zegar.elapsed() < kCzasSkracania;) {
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
    QString tekst =
        QStringLiteral("seed %1 (EDYTOR_LOSOWE_ZIARNO): action %2 broke \"%3\": %4\nshortest failing list:\n")
            .arg(QString::number(ziarno), QString::number(porazka.indeks), porazka.naruszenie.wlasnosc,
                 porazka.naruszenie.opis);
    for (const Akcja &x : akcje)
        tekst += QStringLiteral("  %1(%2, %3) %4\n")
                     .arg(QLatin1String(kNazwy[int(x.rodzaj)]), QString::number(x.a), QString::number(x.b),
                          QString::fromLatin1(x.dane.toHex()));
    return tekst;
}

} // namespace

class TestLosowe : public QObject {
    Q_OBJECT
  private slots:
    void losoweUzycie();
};

void TestLosowe::losoweUzycie()
{
    const auto zmienna = [](const char *nazwa, quint32 domyslna) {
        bool ok = false;
        const quint32 w = qEnvironmentVariable(nazwa).toUInt(&ok);
        return ok ? w : domyslna;
    };
    const quint32 ziarno = zmienna("EDYTOR_LOSOWE_ZIARNO", kDomyslneZiarno);
    const int ile = int(zmienna("EDYTOR_LOSOWE_AKCJE", kDomyslnieAkcji));
    qInfo("seed %u (EDYTOR_LOSOWE_ZIARNO), %d actions (EDYTOR_LOSOWE_AKCJE)", ziarno, ile);

    const QImage paleta = ObrazPalety();
    Generator generator(ziarno);
    std::vector<Akcja> akcje;
    std::array<int, kWagi.size()> ileRodzaju{};
    Przebieg przebieg(paleta);
    for (int n = 0; n < ile; ++n) {
        akcje.push_back(generator.akcja(przebieg));
        ++ileRodzaju[int(akcje.back().rodzaj)];
        if (Wynik w = przebieg.wykonaj(akcje.back()))
            QFAIL(qPrintable(raport(ziarno, akcje, {n, *w}, paleta)));
    }
    for (int r = 0; r < int(ileRodzaju.size()) && ile >= kDomyslnieAkcji; ++r)
        QVERIFY2(ileRodzaju[r] > 0, kNazwy[r]); // every kind of action was played
}

QTEST_GUILESS_MAIN(TestLosowe)
#include "test_losowe.moc"
