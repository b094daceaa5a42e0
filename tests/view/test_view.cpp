#include "view/miniatury.h"
#include "view/paleta.h"
#include "view/podglad.h"

#include "../wspolne/pomocnicze.h"

#include <QTest>

using namespace edytor;
using namespace edytor::testy;

namespace {


/** Checks that the 4 x 2 block of object pixel (X, Y) of a 32 x 32 picture at column x0 is one colour. */
bool blok(const QImage &obraz, int x0, int X, int Y, QRgb kolor)
{
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 4; ++dx)
            if (obraz.pixel(x0 + 4 * X + dx, 2 * Y + dy) != kolor)
                return false;
    return true;
}

} // namespace

class TestView : public QObject {
    Q_OBJECT
private slots:
    void kodNegatywuWMiniaturze_data();
    void kodNegatywuWMiniaturze();
    void cwiartkiMiniatury();
    void rysujObiektDoWybranego();
    void odswiezObiekty();
    void wybierzObiekt();
    void podgladKomorek_data();
    void podgladKomorek();
    void ustalNegatyw_data();
    void ustalNegatyw();
    void paleta_data();
    void paleta();
};

void TestView::kodNegatywuWMiniaturze_data()
{
    QTest::addColumn<int>("kod");
    QTest::addColumn<QRgb>("kolor11");
    QTest::addRow("code 1: pair 11 in PF2") << 1 << kPF2;
    QTest::addRow("code 129: pair 11 in PF3") << 129 << kPF3;
}

void TestView::kodNegatywuWMiniaturze()
{
    QFETCH(int, kod);
    QFETCH(QRgb, kolor11);
    StanEdytora s = StanPoczatkowy();
    s.zestaw.Znaki[0][8] = 0x1B;  // character 1 of set 0, row 0: 00 01 10 11
    s.zestaw.Znaki[1][8] = 0xFF;  // the same character of set 1 must not show at the top
    s.zestaw.Obiekty[0][3] = Bajt(kod);
    OdswiezObiekty(s);
    const int x0 = 32 * 3;
    QVERIFY(blok(s.miniatury, x0, 0, 0, kBAK));
    QVERIFY(blok(s.miniatury, x0, 1, 0, kPF0));
    QVERIFY(blok(s.miniatury, x0, 2, 0, kPF1));
    QVERIFY(blok(s.miniatury, x0, 3, 0, kolor11));
    QVERIFY(blok(s.miniatury, x0, 3, 1, kBAK));  // row 1 of the character is empty
    // Neighbouring thumbnails stay black.
    QVERIFY(blok(s.miniatury, 32 * 2, 3, 0, kBAK));
    QVERIFY(blok(s.miniatury, 32 * 4, 3, 0, kBAK));
}

void TestView::cwiartkiMiniatury()
{
    // Each position of object 7 shows a character filled with a different pair.
    StanEdytora s = StanPoczatkowy();
    const std::array<Bajt, 4> kody{10, 10, 20, 20 + 128};
    const std::array<Bajt, 4> wypelnienia{0x55, 0xAA, 0xFF, 0xFF};  // PF0, PF1, PF2, PF3 (inverted)
    const std::array<QRgb, 4> kolory{kPF0, kPF1, kPF2, kPF3};
    for (int k = 0; k < 4; ++k) {
        s.zestaw.Obiekty[k][7] = kody[k];
        for (int r = 0; r < 8; ++r)
            s.zestaw.Znaki[k % 2][8 * (kody[k] & 0x7F) + r] = wypelnienia[k];
    }
    OdswiezObiekty(s);
    const int x0 = 32 * 7;
    for (int k = 0; k < 4; ++k) {
        const int X0 = 4 * (k / 2);
        const int Y0 = 8 * (k % 2);
        for (int Y = Y0; Y < Y0 + 8; ++Y)
            for (int X = X0; X < X0 + 4; ++X)
                QVERIFY2(blok(s.miniatury, x0, X, Y, kolory[k]), qPrintable(QStringLiteral("position %1").arg(k)));
    }
}

void TestView::rysujObiektDoWybranego()
{
    StanEdytora s = StanPoczatkowy();
    s.zestaw.Znaki[0][8 * 5] = 0x55;  // object 5, position 0, row 0: all PF0
    WybierzObiekt(s, 9);
    RysujObiekt(s, 5);
    QVERIFY(blok(s.miniatury, 32 * 9, 0, 0, kPF0));
    QVERIFY(blok(s.miniatury, 32 * 5, 0, 0, kBAK));
    QVERIFY(s.zmiany & ZmianaMiniatur);
}

void TestView::odswiezObiekty()
{
    StanEdytora s = StanPoczatkowy();
    s.KolorEkranowy[BAK] = qRgb(1, 2, 3);
    WybierzObiekt(s, 17);
    s.ramki[17] = qRgb(255, 0, 0);  // opened: the refresh turns it white again
    OdswiezObiekty(s);
    QCOMPARE(s.WybranyObiekt, 17);
    for (int i = 0; i < kObiektow; ++i)
        QCOMPARE(s.ramki[i], i == 17 ? qRgb(255, 255, 255) : qRgb(192, 192, 192));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 2048; ++x)
            QCOMPARE(s.miniatury.pixel(x, y), qRgb(1, 2, 3));
}

void TestView::wybierzObiekt()
{
    StanEdytora s = StanPoczatkowy();
    const QImage przed = s.miniatury;
    for (const int i : {42, 63, 0}) {
        WybierzObiekt(s, i);
        QCOMPARE(s.WybranyObiekt, i);
        QCOMPARE(std::count(s.ramki.begin(), s.ramki.end(), qRgb(255, 255, 255)), 1);
        QCOMPARE(std::count(s.ramki.begin(), s.ramki.end(), qRgb(192, 192, 192)), 63);
        QCOMPARE(s.ramki[i], qRgb(255, 255, 255));
    }
    QCOMPARE(s.miniatury, przed);
}

void TestView::podgladKomorek_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addRow("cell 0") << 0 << 0 << 0;
    QTest::addRow("cell 63") << 63 << 12 << 30;
    QTest::addRow("cell 64") << 64 << 16 << 0;
    QTest::addRow("cell 127") << 127 << 28 << 30;
    QTest::addRow("cell 33") << 33 << 4 << 16;
}

void TestView::podgladKomorek()
{
    QFETCH(int, p);
    QFETCH(int, x);
    QFETCH(int, y);
    StanEdytora s = StanPoczatkowy();
    const QRgb kolor = qRgb(10, 20, 30);
    s.Pixel[p] = {PF0, kolor};
    RysujPodglad(s);
    for (int py = 0; py < 32; ++py)
        for (int px = 0; px < 32; ++px) {
            const bool wBloku = px >= x && px < x + 4 && py >= y && py < y + 2;
            QCOMPARE(s.podglad.pixel(px, py), wBloku ? kolor : kBAK);
        }
    // The preview follows the cell's own colour, not its register's.
    QCOMPARE(s.KodyEdytowane, (std::array<Bajt, 4>{0, 0, 64, 64}));
}

void TestView::ustalNegatyw_data()
{
    QTest::addColumn<QList<int>>("kody");
    QTest::addColumn<QList<int>>("komorkiPF3");
    QTest::addColumn<QList<int>>("oczekiwane");
    QTest::addColumn<QList<bool>>("odwrocone");
    QTest::addRow("PF3 in code 5 gives 133")
        << QList<int>{5, 5, 69, 69} << QList<int>{3} << QList<int>{133, 5, 69, 69} << QList<bool>{true, false, false, false};
    QTest::addRow("130 without PF3 gives 2")
        << QList<int>{130, 0, 64, 64} << QList<int>{} << QList<int>{2, 0, 64, 64} << QList<bool>{false, false, false, false};
    QTest::addRow("200 with PF3 stays")
        << QList<int>{0, 0, 200, 64} << QList<int>{64} << QList<int>{0, 0, 200, 64} << QList<bool>{false, false, true, false};
    QTest::addRow("PF3 in character 1 only")
        << QList<int>{1, 2, 3, 4} << QList<int>{32, 63} << QList<int>{1, 130, 3, 4} << QList<bool>{false, true, false, false};
    QTest::addRow("all four")
        << QList<int>{255, 0, 127, 128} << QList<int>{31, 32, 95, 127} << QList<int>{255, 128, 255, 128}
        << QList<bool>{true, true, true, true};
}

void TestView::ustalNegatyw()
{
    QFETCH(QList<int>, kody);
    QFETCH(QList<int>, komorkiPF3);
    QFETCH(QList<int>, oczekiwane);
    QFETCH(QList<bool>, odwrocone);
    StanEdytora s = StanPoczatkowy();
    for (int k = 0; k < 4; ++k)
        s.KodyEdytowane[k] = Bajt(kody[k]);
    s.znakOdwrocony = {true, true, true, true};
    s.Pixel[5] = {PF2, kPF2};  // PF2 never inverts
    for (const int p : komorkiPF3)
        s.Pixel[p] = {PF3, kPF3};
    UstalNegatyw(s);
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(int(s.KodyEdytowane[k]), oczekiwane[k]);
        QCOMPARE(s.znakOdwrocony[k], odwrocone[k]);
    }
    for (const int p : komorkiPF3) {  // the preview is redrawn on the way
        // Grid column and row of cell p: characters 0 and 1 on the left, 0 and 2 on top.
        QVERIFY(blok(s.podglad, 0, p % 4 + 4 * (p / 64), (p % 32) / 4 + 8 * ((p / 32) % 2), kPF3));
    }
}

void TestView::paleta_data()
{
    QTest::addColumn<QPoint>("punkt");
    QTest::addColumn<int>("numer");
    QTest::addColumn<QRgb>("kolor");
    QTest::addRow("top-left frame") << QPoint(0, 0) << 0 << kBAK;
    QTest::addRow("top-left swatch") << QPoint(1, 1) << 0 << kBAK;
    QTest::addRow("swatch 2") << QPoint(20, 5) << 2 << qRgb(0x39, 0x39, 0x39);
    QTest::addRow("strip right of cell 0") << QPoint(14, 5) << 0 << qRgb(240, 240, 240);
    QTest::addRow("strip below cell 0") << QPoint(5, 13) << 0 << qRgb(240, 240, 240);
    QTest::addRow("frame bottom of cell 0") << QPoint(5, 11) << 0 << kBAK;
    QTest::addRow("row 12 col 5") << QPoint(16 * 5 + 6, 15 * 12 + 6) << 202 << qRgb(153, 249, 39);
    QTest::addRow("row 4 col 7 swatch edge") << QPoint(16 * 7 + 11, 15 * 4 + 10) << 78 << qRgb(0xFF, 0xA4, 0xFF);
    QTest::addRow("bottom-right swatch") << QPoint(123, 235) << 254 << qRgb(255, 203, 131);
    QTest::addRow("bottom-right frame") << QPoint(124, 236) << 254 << kBAK;
}

void TestView::paleta()
{
    QFETCH(QPoint, punkt);
    QFETCH(int, numer);
    QFETCH(QRgb, kolor);
    const QImage obraz = ObrazPalety();
    QCOMPARE(obraz.size(), QSize(125, 237));
    QCOMPARE(obraz.pixel(punkt), kolor);
    QCOMPARE(numerPalety(punkt.x(), punkt.y()), numer);
}

QTEST_GUILESS_MAIN(TestView)
#include "test_view.moc"
