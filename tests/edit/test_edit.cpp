#include "edit/bufor.h"
#include "edit/kolory.h"
#include "edit/malowanie.h"
#include "edit/otwieranie.h"
#include "edit/tryby.h"
#include "edit/zamiana.h"
#include "edit/zapamietanie.h"
#include "view/miniatury.h"
#include "view/paleta.h"
#include "view/podglad.h"

#include "../wspolne/pomocnicze.h"

#include <QTest>

#include <functional>

using namespace edytor;
using namespace edytor::testy;

namespace {


/** The registers of the cells of one row of character k, left to right. */
QList<int> wiersz(const std::array<Komorka, kKomorek> &komorki, int k, int r)
{
    QList<int> nr;
    for (int x = 0; x < 4; ++x)
        nr << komorki[numerKomorki(k, r, x)].nr;
    return nr;
}

QList<int> wiersz(const StanEdytora &s, int k, int r)
{
    return wiersz(s.Pixel, k, r);
}

void ustawWiersz(StanEdytora &s, int k, int r, const QList<int> &rejestry)
{
    for (int x = 0; x < 4; ++x)
        s.Pixel[numerKomorki(k, r, x)] = {Bajt(rejestry[x]), kKolory[rejestry[x]]};
}

/** Every cell shows the colour of its register in the start-up colours. */
bool koloryZgodne(const StanEdytora &s)
{
    return std::all_of(s.Pixel.begin(), s.Pixel.end(), [](const Komorka &c) { return c.kolor == kKolory[c.nr]; });
}

QList<int> kody(const StanEdytora &s)
{
    return {s.KodyEdytowane[0], s.KodyEdytowane[1], s.KodyEdytowane[2], s.KodyEdytowane[3]};
}

QList<int> obiekt(const StanEdytora &s, int i)
{
    return {s.zestaw.Obiekty[0][i], s.zestaw.Obiekty[1][i], s.zestaw.Obiekty[2][i], s.zestaw.Obiekty[3][i]};
}

/** A start-up state whose characters all differ: byte n of set w is a pattern of n and w. */
StanEdytora wzorzystyStan()
{
    StanEdytora s = StanPoczatkowy();
    for (int w = 0; w < 2; ++w)
        for (int n = 0; n < kBajtowZestawuZnakow; ++n)
            s.zestaw.Znaki[w][n] = Bajt(n * 13 + w * 71 + n / 8);
    return s;
}

} // namespace

class TestEdit : public QObject {
    Q_OBJECT
private slots:
    void otwarcieObiektu5();
    void wierszBajtu27_data();
    void wierszBajtu27();
    void tylkoWybrany_data();
    void tylkoWybrany();
    void malowanie_data();
    void malowanie();
    void zapamietanieWiersza_data();
    void zapamietanieWiersza();
    void zapamietaniePoWyborzeInnego();
    void dwiePozycjeJednegoZnaku();
    void zamiana_data();
    void zamiana();
    void buforTamIZpowrotem_data();
    void buforTamIZpowrotem();
    void trybyTamIZpowrotem();
    void trybyWspolneZnakiIBit7();
    void trybJGPzPF3();
    void odznaczanieTylkoWybrany_data();
    void odznaczanieTylkoWybrany();
};

void TestEdit::otwarcieObiektu5()
{
    StanEdytora s = wzorzystyStan();
    WybierzObiekt(s, 5);
    ZZ_DblClick(s, 5);
    QCOMPARE(kody(s), (QList<int>{5, 5, 69, 69}));
    const std::array<std::pair<int, int>, 4> zrodla{{{0, 5}, {1, 5}, {0, 69}, {1, 69}}};
    for (int k = 0; k < 4; ++k)
        for (int r = 0; r < 8; ++r) {
            const Bajt b = s.zestaw.Znaki[zrodla[k].first][8 * zrodla[k].second + r];
            for (int x = 0; x < 4; ++x)
                QCOMPARE(int(s.Pixel[numerKomorki(k, r, x)].nr), int(rejestrPary(paraPiksela(b, x), false)));
        }
    QVERIFY(koloryZgodne(s));
    QCOMPARE(s.ramki[5], qRgb(255, 0, 0));
    QCOMPARE(std::count(s.ramki.begin(), s.ramki.end(), qRgb(192, 192, 192)), 63);
    // Opening again changes nothing.
    const auto przed = s.Pixel;
    ZZ_DblClick(s, 5);
    QVERIFY(s.Pixel == przed);
}

void TestEdit::wierszBajtu27_data()
{
    QTest::addColumn<int>("kod");
    QTest::addColumn<QList<int>>("rejestry");
    QTest::addColumn<bool>("odwrocony");
    QTest::addRow("code 7") << 7 << QList<int>{BAK, PF0, PF1, PF2} << false;
    QTest::addRow("code 135") << 135 << QList<int>{BAK, PF0, PF1, PF3} << true;
}

void TestEdit::wierszBajtu27()
{
    QFETCH(int, kod);
    QFETCH(QList<int>, rejestry);
    QFETCH(bool, odwrocony);
    StanEdytora s = StanPoczatkowy();
    s.zestaw.Obiekty[2][3] = Bajt(kod);
    s.zestaw.Znaki[0][8 * 7 + 4] = 27;
    WybierzObiekt(s, 3);
    ZZ_DblClick(s, 3);
    QCOMPARE(wiersz(s, 2, 4), rejestry);
    QCOMPARE(int(s.KodyEdytowane[2]), kod);
    QCOMPARE(s.znakOdwrocony[2], odwrocony);

    // An inverted code without pair 11 keeps its bit in the label but not on its background.
    s.zestaw.Znaki[0][8 * 7 + 4] = 0x15;
    ZZ_DblClick(s, 3);
    QCOMPARE(int(s.KodyEdytowane[2]), kod);
    QVERIFY(!s.znakOdwrocony[2]);
}

void TestEdit::tylkoWybrany_data()
{
    QTest::addColumn<int>("rejestr");
    QTest::addColumn<int>("kod");
    QTest::addColumn<QList<int>>("oczekiwane");
    // The grid holds PF0 everywhere before; the opened row is 00 01 10 11.
    QTest::addRow("PF1") << int(PF1) << 7 << QList<int>{PF0, PF0, PF1, PF0};
    QTest::addRow("PF3 on a normal character") << int(PF3) << 7 << QList<int>{PF0, PF0, PF0, PF0};
    QTest::addRow("PF2 on an inverted character") << int(PF2) << 135 << QList<int>{PF0, PF0, PF0, PF0};
    QTest::addRow("PF3 on an inverted character") << int(PF3) << 135 << QList<int>{PF0, PF0, PF0, PF3};
    QTest::addRow("BAK") << int(BAK) << 7 << QList<int>{BAK, PF0, PF0, PF0};
}

void TestEdit::tylkoWybrany()
{
    QFETCH(int, rejestr);
    QFETCH(int, kod);
    QFETCH(QList<int>, oczekiwane);
    StanEdytora s = StanPoczatkowy();
    s.Pixel.fill({PF0, kPF0});
    s.zestaw.Obiekty[0][4] = Bajt(kod);
    s.zestaw.Znaki[0][8 * 7] = 27;
    WybierzObiekt(s, 4);
    WybierzKolor(s, rejestr);
    s.TylkoWybrany = true;
    ZZ_DblClick(s, 4);
    QCOMPARE(wiersz(s, 0, 0), oczekiwane);
    const int pusty = rejestr == BAK ? BAK : PF0;  // row 1 is all 00
    QCOMPARE(wiersz(s, 0, 1), (QList<int>{pusty, pusty, pusty, pusty}));
    QVERIFY(koloryZgodne(s));
    QCOMPARE(kody(s), (QList<int>{kod, 4, 68, 68}));
    QCOMPARE(s.ramki[4], qRgb(255, 0, 0));
    QVERIFY(s.TylkoWybrany);
}

void TestEdit::malowanie_data()
{
    QTest::addColumn<int>("rysowanie");
    QTest::addColumn<int>("przycisk");
    QTest::addColumn<int>("komorka");
    QTest::addColumn<QList<int>>("wiersz0");  // character 0 row 0 after the press
    QTest::addColumn<int>("kod0");
    // Character 0 row 0 starts as PF3 PF3 PF0 BAK, code 133; character 2 holds PF2 in cell 64.
    QTest::addRow("PF2 turns the character's PF3 into PF2") << int(PF2) << 1 << 3 << QList<int>{PF2, PF2, PF0, PF2} << 5;
    QTest::addRow("PF3 over PF3 keeps it inverted") << int(PF3) << 1 << 2 << QList<int>{PF3, PF3, PF3, BAK} << 133;
    QTest::addRow("PF0 covers one PF3 cell") << int(PF0) << 1 << 0 << QList<int>{PF0, PF3, PF0, BAK} << 133;
    QTest::addRow("right press erases one cell") << int(PF2) << 2 << 1 << QList<int>{PF3, BAK, PF0, BAK} << 133;
    QTest::addRow("middle press paints nothing") << int(PF1) << 4 << 3 << QList<int>{PF3, PF3, PF0, BAK} << 133;
    QTest::addRow("other character untouched") << int(PF3) << 1 << 65 << QList<int>{PF3, PF3, PF0, BAK} << 133;
}

void TestEdit::malowanie()
{
    QFETCH(int, rysowanie);
    QFETCH(int, przycisk);
    QFETCH(int, komorka);
    QFETCH(QList<int>, wiersz0);
    QFETCH(int, kod0);
    StanEdytora s = StanPoczatkowy();
    s.KodyEdytowane = {133, 5, 69, 69};
    ustawWiersz(s, 0, 0, {PF3, PF3, PF0, BAK});
    s.Pixel[64] = {PF2, kPF2};
    s.KolorEkranowy[BAK] = qRgb(9, 9, 9);  // the eraser uses BAK's current colour
    WybierzKolor(s, rysowanie);
    const KolorRysowania przed = s.kolorRysowania;
    MalujKomorke(s, komorka, przycisk);
    QCOMPARE(wiersz(s, 0, 0), wiersz0);
    QCOMPARE(int(s.KodyEdytowane[0]), kod0);
    QCOMPARE(s.KodyEdytowane[1], Bajt(5));
    if (przycisk == 2)
        QCOMPARE(s.Pixel[komorka].kolor, qRgb(9, 9, 9));
    if (przycisk == 1)
        QCOMPARE(s.Pixel[komorka].kolor, przed.kolor);
    QCOMPARE(int(s.Pixel[64].nr), komorka == 65 ? int(PF3) : int(PF2));
    QCOMPARE(int(s.kolorRysowania.nr), int(przed.nr));
    QCOMPARE(s.podglad.pixel(4, 0), s.Pixel[1].kolor);  // the preview follows every press
}

void TestEdit::zapamietanieWiersza_data()
{
    QTest::addColumn<QList<int>>("rejestry");
    QTest::addColumn<int>("bajt");
    QTest::addColumn<int>("kod");
    QTest::addRow("BAK PF0 PF1 PF2") << QList<int>{BAK, PF0, PF1, PF2} << 0x1B << 9;
    QTest::addRow("BAK PF0 PF1 PF3") << QList<int>{BAK, PF0, PF1, PF3} << 0x1B << 137;
    QTest::addRow("PF0 only") << QList<int>{PF0, BAK, BAK, BAK} << 0x40 << 9;
    QTest::addRow("PF2 PF1 PF0 BAK") << QList<int>{PF2, PF1, PF0, BAK} << 0xE4 << 9;
}

void TestEdit::zapamietanieWiersza()
{
    QFETCH(QList<int>, rejestry);
    QFETCH(int, bajt);
    QFETCH(int, kod);
    StanEdytora s = StanPoczatkowy();
    WybierzObiekt(s, 9);
    ZZ_DblClick(s, 9);
    s.TylkoWybrany = true;
    ustawWiersz(s, 0, 3, rejestry);
    UstalNegatyw(s);
    ZapamietajObiekt(s);
    QCOMPARE(int(s.zestaw.Znaki[0][8 * 9 + 3]), bajt);
    QCOMPARE(obiekt(s, 9), (QList<int>{kod, 9, 73, 73}));
    int niezerowe = 0;
    for (const auto &z : s.zestaw.Znaki)
        niezerowe += int(std::count_if(z.begin(), z.end(), [](Bajt b) { return b != 0; }));
    QCOMPARE(niezerowe, 1);
    QCOMPARE(wiersz(s, 0, 3), rejestry);  // reopened from the stored bytes
    QVERIFY(!s.TylkoWybrany);
    QCOMPARE(s.ramki[9], qRgb(255, 0, 0));
    QCOMPARE(s.miniatury.pixel(32 * 9 + 4 * 3, 6), kKolory[rejestry[3]]);
}

void TestEdit::zapamietaniePoWyborzeInnego()
{
    StanEdytora s = wzorzystyStan();
    s.zestaw.Obiekty[0][8] = 200;  // character 72 of set 0, inverted
    WybierzObiekt(s, 3);
    ZZ_DblClick(s, 3);
    const auto siatka = s.Pixel;
    const QList<int> kodyObiektu3 = obiekt(s, 3);
    WybierzObiekt(s, 8);
    // The labels still hold object 3's codes, without bit 7, so object 8's bit 7 is cleared.
    ZapamietajObiekt(s);
    QCOMPARE(obiekt(s, 3), kodyObiektu3);
    QCOMPARE(obiekt(s, 8), (QList<int>{72, 8, 72, 72}));
    QCOMPARE(s.WybranyObiekt, 8);
    QCOMPARE(s.ramki[8], qRgb(255, 0, 0));
    QCOMPARE(s.ramki[3], qRgb(192, 192, 192));
    // Object 8's characters now hold the grid; its top-right character (72 of set 0) was written
    // after the top-left one, which names the same character, so both show position 2's pixels.
    for (int r = 0; r < 8; ++r) {
        QCOMPARE(wiersz(s, 1, r), wiersz(siatka, 1, r));
        QCOMPARE(wiersz(s, 0, r), wiersz(siatka, 2, r));
    }
}

void TestEdit::dwiePozycjeJednegoZnaku()
{
    StanEdytora s = StanPoczatkowy();
    s.zestaw.Obiekty[0][0] = 5;
    s.zestaw.Obiekty[2][0] = 133;
    ZZ_DblClick(s, 0);
    ustawWiersz(s, 0, 0, {PF0, PF0, PF0, PF0});
    ustawWiersz(s, 2, 0, {BAK, PF3, BAK, PF1});
    UstalNegatyw(s);
    ZapamietajObiekt(s);
    QCOMPARE(int(s.zestaw.Znaki[0][40]), 0x32);  // position 2 is written last
    QCOMPARE(wiersz(s, 0, 0), (QList<int>{BAK, PF2, BAK, PF1}));
    QCOMPARE(wiersz(s, 2, 0), (QList<int>{BAK, PF3, BAK, PF1}));
    QCOMPARE(obiekt(s, 0), (QList<int>{5, 0, 133, 64}));
}

void TestEdit::zamiana_data()
{
    QTest::addColumn<int>("rysowanie");
    QTest::addColumn<int>("L");
    QTest::addColumn<QList<int>>("po");  // registers of cells 0, 1, 2, 32, 33, 64
    QTest::addColumn<QList<bool>>("odwrocone");
    // Before: cell 0 PF2, 1 PF0, 2 BAK (character 0); 32 PF3, 33 PF1 (character 1); 64 PF2 (character 2).
    QTest::addRow("PF2 with INV") << int(PF2) << int(PF3) << QList<int>{PF3, PF0, BAK, PF2, PF1, PF3}
                                  << QList<bool>{true, false, true, false};
    QTest::addRow("PF0 with INV mixes PF2 and PF3") << int(PF0) << int(PF3) << QList<int>{PF2, PF3, BAK, PF0, PF1, PF2}
                                                    << QList<bool>{true, false, false, false};
    QTest::addRow("PF1 with BAK") << int(PF1) << int(BAK) << QList<int>{PF2, PF0, PF1, PF3, BAK, PF2}
                                  << QList<bool>{false, true, false, false};
    QTest::addRow("own register") << int(PF2) << int(PF2) << QList<int>{PF2, PF0, BAK, PF3, PF1, PF2}
                                  << QList<bool>{false, true, false, false};
}

void TestEdit::zamiana()
{
    QFETCH(int, rysowanie);
    QFETCH(int, L);
    QFETCH(QList<int>, po);
    QFETCH(QList<bool>, odwrocone);
    StanEdytora s = StanPoczatkowy();
    s.Pixel.fill({PF1, kPF1});
    const QList<int> komorki{0, 1, 2, 32, 33, 64};
    const QList<int> przed{PF2, PF0, BAK, PF3, PF1, PF2};
    for (int j = 0; j < komorki.size(); ++j)
        s.Pixel[komorki[j]] = {Bajt(przed[j]), kKolory[przed[j]]};
    for (int p = 96; p < 128; ++p)
        s.Pixel[p] = {BAK, kBAK};
    s.KolorEkranowy[PF2] = qRgb(1, 1, 1);  // the table's colour, not the cell's copy
    WybierzKolor(s, rysowanie);
    s.kolorRysowania.kolor = qRgb(7, 7, 7);
    s.TylkoWybrany = true;
    ZamienKolory(s, L);
    for (int j = 0; j < komorki.size(); ++j) {
        const Komorka &c = s.Pixel[komorki[j]];
        QCOMPARE(int(c.nr), po[j]);
        if (przed[j] == rysowanie || przed[j] == L)
            QCOMPARE(c.kolor, c.nr == L ? s.KolorEkranowy[L] : qRgb(7, 7, 7));
    }
    for (int k = 0; k < 4; ++k)
        QCOMPARE(s.znakOdwrocony[k], odwrocone[k]);
    QVERIFY(!s.TylkoWybrany);
    QCOMPARE(s.wybranaZamiana, L);
}

void TestEdit::buforTamIZpowrotem_data()
{
    QTest::addColumn<int>("tryb");
    QTest::addColumn<int>("kodZrodla");  // code of the buffered top-left character
    QTest::addColumn<int>("wklejony");   // register of the PF3 cell after the copy back
    QTest::addRow("Vendra, inverted") << 0 << 133 << int(PF3);
    QTest::addRow("JGP, not inverted") << 1 << 5 << int(PF3);
    QTest::addRow("JGP, inverted") << 1 << 133 << int(PF2);
}

void TestEdit::buforTamIZpowrotem()
{
    QFETCH(int, tryb);
    QFETCH(int, kodZrodla);
    QFETCH(int, wklejony);
    StanEdytora s = StanPoczatkowy();
    s.TrybZawartosci = static_cast<Tryb>(tryb);
    s.KodyEdytowane = {Bajt(kodZrodla), 10, 74, 74};
    s.Pixel[0] = {PF3, kPF3};
    s.Pixel[1] = {PF0, kPF0};
    s.Pixel[40] = {PF3, kPF3};
    s.KolorEkranowy[PF2] = qRgb(2, 2, 2);
    DoBufora(s);
    QVERIFY(s.bufPixel == s.Pixel);
    QCOMPARE(s.zestaw.BuforKodow, (std::array<Bajt, 4>{Bajt(kodZrodla), 10, 74, 74}));

    // Paste into another object whose codes are 5, 5, 69, 69.
    s.Pixel.fill({PF1, kPF1});
    s.KodyEdytowane = {5, 5, 69, 69};
    s.TylkoWybrany = true;
    ZBufora(s);
    QCOMPARE(int(s.Pixel[0].nr), wklejony);
    QCOMPARE(s.Pixel[0].kolor, wklejony == PF2 ? qRgb(2, 2, 2) : kPF3);
    QCOMPARE(s.Pixel[1], (Komorka{PF0, kPF0}));
    QCOMPARE(s.Pixel[40], (Komorka{PF3, kPF3}));  // its buffered code had no bit 7
    QCOMPARE(s.Pixel[2], (Komorka{BAK, kBAK}));
    QCOMPARE(kody(s), (QList<int>{wklejony == PF3 ? 133 : 5, 133, 69, 69}));
    QVERIFY(!s.TylkoWybrany);
    QVERIFY(s.bufPixel[0] == (Komorka{PF3, kPF3}));  // the buffer stays as it was
}

void TestEdit::trybyTamIZpowrotem()
{
    StanEdytora s = wzorzystyStan();
    const auto znaki = s.zestaw.Znaki;
    WybierzObiekt(s, 6);
    ZmienTryb(s, Tryb::JGP);
    QCOMPARE(s.TrybZawartosci, Tryb::JGP);
    QVERIFY(!s.pf3Dostepny());
    for (int i = 0; i < kObiektow; ++i)
        QCOMPARE(obiekt(s, i), (QList<int>{2 * i, 2 * i, 2 * i + 1, 2 * i + 1}));
    for (int w = 0; w < 2; ++w)
        for (int r = 0; r < 8; ++r) {
            QCOMPARE(s.zestaw.Znaki[w][8 * 2 * 7 + r], znaki[w][8 * 7 + r]);
            QCOMPARE(s.zestaw.Znaki[w][8 * (2 * 7 + 1) + r], znaki[w][8 * (7 + 64) + r]);
        }
    QCOMPARE(kody(s), (QList<int>{12, 12, 13, 13}));  // object 6 reopened
    QCOMPARE(s.ramki[6], qRgb(255, 0, 0));

    ZmienTryb(s, Tryb::Vendra);
    QVERIFY(s.pf3Dostepny());
    QVERIFY(s.zestaw.Znaki == znaki);
    for (int i = 0; i < kObiektow; ++i)
        QCOMPARE(obiekt(s, i), (QList<int>{i, i, i + 64, i + 64}));

    // Choosing the mode already in force does nothing at all.
    s.Pixel[0] = {PF0, kPF0};
    s.TylkoWybrany = true;
    WybierzTryb(s, Tryb::Vendra);
    QVERIFY(s.TylkoWybrany);
    QCOMPARE(int(s.Pixel[0].nr), int(PF0));
}

void TestEdit::trybyWspolneZnakiIBit7()
{
    StanEdytora s = wzorzystyStan();
    const auto znaki = s.zestaw.Znaki;
    s.zestaw.Obiekty[2][3] = 200;  // character 72 of set 0, inverted
    s.zestaw.Obiekty[0][4] = 3;    // object 4 shares object 3's top-left character
    ZmienTryb(s, Tryb::Vendra);
    QCOMPARE(obiekt(s, 3), (QList<int>{3, 3, 67 + 128, 67}));
    for (int r = 0; r < 8; ++r) {
        QCOMPARE(s.zestaw.Znaki[0][8 * 67 + r], znaki[0][8 * 72 + r]);
        QCOMPARE(s.zestaw.Znaki[0][8 * 3 + r], znaki[0][8 * 3 + r]);
        QCOMPARE(s.zestaw.Znaki[0][8 * 4 + r], znaki[0][8 * 3 + r]);  // a copy for each owner
    }
    ZmienTryb(s, Tryb::JGP);
    QCOMPARE(obiekt(s, 3), (QList<int>{6, 6, 7, 7}));  // bit 7 dropped
}

void TestEdit::trybJGPzPF3()
{
    StanEdytora s = StanPoczatkowy();
    s.KolorEkranowy[PF2] = qRgb(3, 3, 3);
    WybierzKolor(s, PF3);
    s.TylkoWybrany = true;
    ZmienTryb(s, Tryb::JGP);
    QCOMPARE(int(s.kolorRysowania.nr), int(PF2));
    QCOMPARE(s.kolorRysowania.kolor, qRgb(3, 3, 3));
    QVERIFY(!s.TylkoWybrany);
    WybierzKolor(s, PF1);
    ZmienTryb(s, Tryb::Vendra);
    QCOMPARE(int(s.kolorRysowania.nr), int(PF1));
}

void TestEdit::odznaczanieTylkoWybrany_data()
{
    QTest::addColumn<std::function<void(StanEdytora &)>>("operacja");
    QTest::addColumn<bool>("odznacza");
    using Op = std::function<void(StanEdytora &)>;
    QTest::addRow("select") << Op([](StanEdytora &s) { WybierzObiekt(s, 3); }) << false;
    QTest::addRow("open") << Op([](StanEdytora &s) { ZZ_DblClick(s, 0); }) << false;
    QTest::addRow("paint") << Op([](StanEdytora &s) { MalujKomorke(s, 5, 1); }) << false;
    QTest::addRow("fill") << Op([](StanEdytora &s) { Wypelnij(s); }) << false;
    QTest::addRow("choose register") << Op([](StanEdytora &s) { WybierzKolor(s, 1); }) << false;
    QTest::addRow("palette pick") << Op([](StanEdytora &s) { WybierzZPalety(s, ObrazPalety(), 5, 5); }) << false;
    QTest::addRow("swap") << Op([](StanEdytora &s) { ZamienKolory(s, 0); }) << true;
    QTest::addRow("to buffer") << Op(DoBufora) << true;
    QTest::addRow("from buffer") << Op(ZBufora) << true;
    QTest::addRow("store") << Op(ZapamietajObiekt) << true;
    QTest::addRow("mode switch") << Op([](StanEdytora &s) { WybierzTryb(s, Tryb::JGP); }) << true;
}

void TestEdit::odznaczanieTylkoWybrany()
{
    QFETCH(std::function<void(StanEdytora &)>, operacja);
    QFETCH(bool, odznacza);
    StanEdytora s = StanPoczatkowy();
    s.TylkoWybrany = true;
    operacja(s);
    QCOMPARE(s.TylkoWybrany, !odznacza);
}

QTEST_GUILESS_MAIN(TestEdit)
#include "test_edit.moc"
