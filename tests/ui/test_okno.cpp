// The main window: widget tree and layout, captions and start-up looks, selection of an object,
// the cell containers of the editing grid and the copy buffer, and thumbnails drawn from the set.

#include "ui/edytor.h"
#include "ui/widzety.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

using namespace edytor;

namespace {

// The form keeps its layout in twips, 15 to the pixel; a pixel value is the nearest whole pixel.
int px(int twipy) { return int(std::lround(twipy / 15.0)); }
QRect tw(int l, int t, int w, int h) { return QRect(px(l), px(t), px(w), px(h)); }

QString nazwa(const char *rdzen, int i)
{
    return QLatin1String(rdzen) + QLatin1Char('(') + QString::number(i) + QLatin1Char(')');
}

QString kolor(QRgb rgb) { return QColor(rgb).name(); }
QImage obraz(QWidget *w) { return w->grab().toImage(); }
const QString kCzarnyHex = QStringLiteral("#000000");

// The text a widget shows: frame title, label text or button caption.
QString napis(QWidget *w)
{
    if (auto *r = qobject_cast<QGroupBox *>(w))
        return r->title();
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    return QStringLiteral("<no text>");
}

// A widget's background: its own colour for a picture box, else the palette it fills itself with.
QString tlo(QWidget *w)
{
    if (auto *p = qobject_cast<PoleKoloru *>(w))
        return kolor(p->kolor());
    if (!w->autoFillBackground())
        return QStringLiteral("<not filled>");
    return w->palette().color(w->backgroundRole()).name();
}

} // namespace

class TestOkno : public QObject {
    Q_OBJECT

    std::unique_ptr<Edytor> m_okno;

    template <class T = QWidget>
    T *w(const QString &n)
    {
        if (T *x = m_okno->findChild<T *>(n))
            return x;
        qFatal("no widget %s", qPrintable(n));
    }
    QWidget *wiersza() { return w(QString::fromLatin1(QTest::currentDataTag())); }

private slots:
    void init() { m_okno = std::make_unique<Edytor>(); }
    void cleanup() { m_okno.reset(); }

    void geometria_data()
    {
        QTest::addColumn<QString>("rodzic");
        QTest::addColumn<QRect>("miejsce");  // pixels; an empty size means only the position is fixed
        const auto wiersz = [](const QString &n, const char *rodzic, QRect r) {
            QTest::addRow("%s", qPrintable(n)) << QString::fromLatin1(rodzic) << r;
        };
        const auto W = [](const char *n) { return QString::fromLatin1(n); };
        const auto punkt = [](int l, int t) { return QRect(px(l), px(t), 0, 0); };
        // Arrays of four laid out column by column: top-left, bottom-left, top-right, bottom-right.
        const auto czworka = [&](const char *n, const char *rodzic, int l0, int l1, int t0, int t1, int sz, int wy) {
            for (int k = 0; k < 4; ++k)
                wiersz(nazwa(n, k), rodzic, sz ? tw(k < 2 ? l0 : l1, k % 2 ? t1 : t0, sz, wy)
                                               : punkt(k < 2 ? l0 : l1, k % 2 ? t1 : t0));
        };

        wiersz(W("Dane"), "Edytor", tw(120, 120, 3735, 2175));
        wiersz(W("frmSklad"), "Dane", tw(120, 240, 1575, 1815));
        czworka("lblZnak", "frmSklad", 240, 720, 360, 600, 495, 255);
        wiersz(W("optTryb(0)"), "frmSklad", tw(360, 960, 735, 255));
        wiersz(W("optTryb(1)"), "frmSklad", tw(360, 1320, 735, 255));
        wiersz(W("frmWyglad"), "Dane", tw(1920, 240, 1695, 1815));
        for (int i = 0; i < 9; ++i)
            wiersz(nazwa("Wyglad", i), "frmWyglad", tw(120 + 480 * (i % 3), 240 + 480 * (i / 3), 510, 510));

        wiersz(W("frmBufor"), "Edytor", tw(120, 2280, 3735, 1935));
        wiersz(W("Picture1"), "frmBufor", tw(720, 240, 1560, 1500));
        czworka("Bufor", "Picture1", 120, 772, 120, 720, 735, 615);
        wiersz(W("cmdDoBuf"), "frmBufor", tw(2520, 360, 855, 375));
        wiersz(W("cmdZBuf"), "frmBufor", tw(2520, 1200, 855, 375));

        wiersz(W("ramkaKodWZestawie"), "Edytor", tw(120, 4200, 3735, 855));
        wiersz(W("lblKod(2)"), "ramkaKodWZestawie", punkt(0, 360));
        wiersz(W("lblKODwart(0)"), "ramkaKodWZestawie", punkt(600, 360));
        wiersz(W("lblKod(3)"), "ramkaKodWZestawie", punkt(1920, 360));
        wiersz(W("lblKODwart(1)"), "ramkaKodWZestawie", punkt(2400, 360));

        wiersz(W("ramZestaw"), "Edytor", tw(120, 5040, 12255, 3615));
        wiersz(W("lblNazwa"), "ramZestaw", tw(2400, 120, 7095, 255));
        wiersz(W("ZZnakow"), "ramZestaw", tw(240, 360, 11655, 3135));
        for (int i : {0, 1, 15, 16, 42, 63}) {
            wiersz(nazwa("ZZR", i), "ZZnakow", tw(120 + 720 * (i % 16), 120 + 720 * (i / 16), 630, 630));
            wiersz(nazwa("ZZ", i), nazwa("ZZR", i).toLatin1().constData(), tw(40, 40, 510, 510));
        }

        wiersz(W("Panel"), "Edytor", tw(3960, 240, 4095, 4095));
        czworka("Znak", "Panel", 120, 2040, 120, 2040, 0, 0);
        wiersz(W("DoZapisania"), "Edytor", tw(3960, 4440, 4095, 495));
        wiersz(W("ramkaKolory"), "Edytor", tw(8160, 120, 1935, 2655));
        wiersz(W("ramkaCzysc"), "Edytor", tw(8160, 2760, 1935, 1335));
        wiersz(W("Czysc"), "ramkaCzysc", tw(120, 240, 1695, 255));
        wiersz(W("cmbZamiana"), "ramkaCzysc", tw(120, 600, 1695, 315));
        wiersz(W("chkWybrany"), "ramkaCzysc", tw(240, 960, 1455, 255));
        wiersz(W("ramIO"), "Edytor", tw(8160, 4200, 4215, 855));
        wiersz(W("cmdLoad"), "ramIO", tw(120, 360, 975, 255));
        wiersz(W("cmdSave"), "ramIO", tw(1680, 360, 975, 255));
        wiersz(W("cmdExport"), "ramIO", tw(3120, 360, 975, 255));
        wiersz(W("ramPaleta"), "Edytor", tw(10200, 120, 2175, 3975));
        wiersz(W("PaletaAtari"), "ramPaleta", tw(120, 240, 1935, 3615));
        // Outside the visible window: a 4096 x 32 surface inside a one-pixel border.
        wiersz(W("picZestaw"), "Edytor", tw(-24720, 8640, 61477, 510));
    }

    void geometria()
    {
        QFETCH(QString, rodzic);
        QFETCH(QRect, miejsce);
        QWidget *x = wiersza();
        QVERIFY(x->parentWidget());
        QCOMPARE(x->parentWidget()->objectName(), rodzic);
        if (miejsce.size().isEmpty())
            QCOMPARE(x->pos(), miejsce.topLeft());
        else
            QCOMPARE(x->geometry(), miejsce);
    }

    void napisy_data()
    {
        QTest::addColumn<QString>("tekst");
        const char *const wiersze[][2] = {
            {"Dane", "Właściwości"}, {"frmSklad", "Zawartość"}, {"optTryb(0)", "Vendra"}, {"optTryb(1)", "JGP"},
            {"frmWyglad", "Podgląd"}, {"frmBufor", "Bufor"}, {"cmdDoBuf", "<===="}, {"cmdZBuf", "====>"},
            {"ramkaKodWZestawie", "Kod obiektu w zestawie"}, {"lblKod(2)", "DEC:"}, {"lblKod(3)", "HEX:"},
            {"lblKODwart(0)", "0"}, {"lblKODwart(1)", "$0"}, {"ramZestaw", "Zestaw obiektów"},
            {"lblNazwa", "ZESTAW.ORB"}, {"DoZapisania", "Zapamiętaj edytowany obiekt"}, {"ramkaKolory", "Kolory"},
            {"ramkaCzysc", "Opcje"}, {"Czysc", "Wypełnij"}, {"chkWybrany", "Tylko wybrany"},
            {"ramIO", "Odczyt/Zapis"}, {"cmdLoad", "Wczytaj"}, {"cmdSave", "Zapisz"}, {"cmdExport", "Eksportuj"},
            {"ramPaleta", "Paleta barw Atari"},
            // The codes of object 0, the one selected at start-up.
            {"lblZnak(0)", "0"}, {"lblZnak(1)", "0"}, {"lblZnak(2)", "64"}, {"lblZnak(3)", "64"}};
        for (const auto &[n, t] : wiersze)
            QTest::newRow(n) << QString::fromUtf8(t);
    }

    void napisy()
    {
        QFETCH(QString, tekst);
        QCOMPARE(napis(wiersza()), tekst);
    }

    void rejestry_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("gora");  // top of the register's row, twips
        QTest::addColumn<QString>("podpis");
        QTest::addColumn<QString>("wartosc");
        QTest::addColumn<QColor>("ekran");
        QTest::newRow("PF0") << 0 << 240 << QStringLiteral("PF0 [01]=") << QStringLiteral("40") << QColor(255, 152, 44);
        QTest::newRow("PF1") << 1 << 720 << QStringLiteral("PF1 [10]=") << QStringLiteral("202") << QColor(39, 249, 39);
        QTest::newRow("PF2") << 2 << 1200 << QStringLiteral("PF2 [11]=") << QStringLiteral("148") << QColor(28, 113, 198);
        QTest::newRow("BAK") << 3 << 2160 << QStringLiteral("BAK [00]=") << QStringLiteral("0") << QColor(0, 0, 0);
        QTest::newRow("PF3") << 4 << 1680 << QStringLiteral("PF3 [11]= (negatyw)") << QStringLiteral("70") << QColor(205, 62, 207);
    }

    void rejestry()
    {
        QFETCH(int, i);
        QFETCH(int, gora);
        QFETCH(QString, podpis);
        QFETCH(QString, wartosc);
        QFETCH(QColor, ekran);
        auto *przycisk = w<QRadioButton>(nazwa("Kolor", i));
        auto *opis = w<QLabel>(nazwa("Color", i));
        auto *numer = w<QLabel>(nazwa("Akolor", i));
        for (QWidget *x : std::initializer_list<QWidget *>{przycisk, opis, numer})
            QCOMPARE(x->parentWidget()->objectName(), QStringLiteral("ramkaKolory"));

        QCOMPARE(przycisk->pos(), QPoint(px(120), px(gora)));
        QCOMPARE(opis->pos(), QPoint(px(720), px(gora)));
        QCOMPARE(numer->pos(), QPoint(px(1440), px(gora)));

        QCOMPARE(opis->text(), podpis);
        QCOMPARE(numer->text(), wartosc);
        QCOMPARE(tlo(przycisk), ekran.name());
        QCOMPARE(przycisk->isChecked(), i == BAK);  // BAK is the drawing register at start-up
        QVERIFY(przycisk->isEnabled());            // "Vendra" lets PF3 be chosen
    }

    void oknoIPrzelaczniki()
    {
        QCOMPARE(m_okno->size(), QSize(833, 584));
        static const QRegularExpression wzor(
            QStringLiteral("^Edytor obiektów (0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)\\s\\S"));
        QVERIFY2(wzor.match(m_okno->windowTitle()).hasMatch(), qPrintable(m_okno->windowTitle()));

        QVERIFY(w<QRadioButton>(QStringLiteral("optTryb(0)"))->isChecked());
        QVERIFY(!w<QRadioButton>(QStringLiteral("optTryb(1)"))->isChecked());
        QVERIFY(!w<QCheckBox>(QStringLiteral("chkWybrany"))->isChecked());

        auto *lista = w<QComboBox>(QStringLiteral("cmbZamiana"));
        QCOMPARE(lista->currentIndex(), -1);
        QCOMPARE(lista->placeholderText(), QStringLiteral("Zamiana"));
        QStringList pozycje;
        for (int i = 0; i < lista->count(); ++i)
            pozycje << lista->itemText(i);
        QCOMPARE(pozycje, QStringList({QStringLiteral("Kolor<>PF0"), QStringLiteral("Kolor<>PF1"),
                                       QStringLiteral("Kolor<>PF2"), QStringLiteral("Kolor<>BAK"),
                                       QStringLiteral("Kolor<>INV")}));
    }

    void tla_data()
    {
        QTest::addColumn<QColor>("kolor");
        const QColor jasny(224, 224, 224), szary(192, 192, 192);
        for (const char *n : {"lblZnak(0)", "lblZnak(1)", "lblZnak(2)", "lblZnak(3)", "lblNazwa"})
            QTest::newRow(n) << jasny;
        for (const char *n : {"Picture1", "Panel", "ZZnakow", "Znak(0)", "Bufor(3)", "ZZR(1)", "ZZR(63)"})
            QTest::newRow(n) << szary;
        QTest::newRow("ZZR(0)") << QColor(Qt::white);
    }

    void tla()
    {
        QFETCH(QColor, kolor);
        QCOMPARE(tlo(wiersza()), kolor.name());
    }

    // Thumbnails and preview boxes: a 32 x 32 picture inside a one-pixel border, black at start-up.
    void wybor_data()
    {
        QTest::addColumn<QList<int>>("klikniecia");
        QTest::addColumn<int>("wybrany");
        QTest::addColumn<QString>("hex");
        QTest::newRow("start") << QList<int>{} << 0 << QStringLiteral("$0");
        QTest::newRow("ZZ(42)") << QList<int>{42} << 42 << QStringLiteral("$2A");
        QTest::newRow("ZZ(63)") << QList<int>{63} << 63 << QStringLiteral("$3F");
        QTest::newRow("ZZ(10)") << QList<int>{10} << 10 << QStringLiteral("$A");
        QTest::newRow("ZZ(16)") << QList<int>{16} << 16 << QStringLiteral("$10");
        QTest::newRow("ZZ(42) then ZZ(0)") << QList<int>{42, 0} << 0 << QStringLiteral("$0");
    }

    void wybor()
    {
        QFETCH(QList<int>, klikniecia);
        QFETCH(int, wybrany);
        QFETCH(QString, hex);
        for (int i : klikniecia)
            QTest::mousePress(w(nazwa("ZZ", i)), Qt::LeftButton);

        QCOMPARE(w<QLabel>(QStringLiteral("lblKODwart(0)"))->text(), QString::number(wybrany));
        QCOMPARE(w<QLabel>(QStringLiteral("lblKODwart(1)"))->text(), hex);
        for (int i = 0; i < 64; ++i)
            QCOMPARE(tlo(w(nazwa("ZZR", i))), kolor(i == wybrany ? qRgb(255, 255, 255) : qRgb(192, 192, 192)));
        // The frame shows around the thumbnail, which starts 3 pixels in.
        QCOMPARE(kolor(obraz(w(nazwa("ZZR", wybrany))).pixel(1, 1)), QStringLiteral("#ffffff"));
        // Selecting opens nothing: the edited codes stay those of object 0.
        for (int k = 0; k < 4; ++k)
            QCOMPARE(w<QLabel>(nazwa("lblZnak", k))->text(), QString::number(k < 2 ? 0 : 64));
    }

    void komorki_data()
    {
        QTest::addColumn<QSize>("komorka");
        QTest::addColumn<bool>("siatka");  // grid cells lie 480 x 240 twips apart from (0, 0)
        QTest::addColumn<QPoint>("poza");  // a point that no cell covers
        for (int k = 0; k < 4; ++k)
            QTest::addRow("Znak(%d)", k) << QSize(px(500), px(250)) << true << QPoint(px(1935) + 2, 5);
        QTest::newRow("Bufor(0)") << QSize(px(160), px(80)) << false << QPoint(1, 1);
        QTest::newRow("Bufor(3)") << QSize(px(160), px(80)) << false << QPoint(px(735) - 2, 20);
    }

    void komorki()
    {
        QFETCH(QSize, komorka);
        QFETCH(bool, siatka);
        QFETCH(QPoint, poza);
        auto *s = w<SiatkaKomorek>(QString::fromLatin1(QTest::currentDataTag()));
        for (int j = 0; j < 32; ++j) {
            const QRect r = s->prostokatKomorki(j);
            QCOMPARE(r.size(), komorka);
            if (siatka)
                QCOMPARE(r.topLeft(), QPoint(px(480 * (j % 4)), px(240 * (j / 4))));
            QVERIFY(s->rect().contains(r));
            QCOMPARE(s->komorkaPod(r.center()), j);
        }
        QCOMPARE(s->komorkaPod(poza), -1);
    }

    void nacisniecieKomorki_data()
    {
        QTest::addColumn<QString>("pojemnik");
        QTest::addColumn<int>("j");
        QTest::addColumn<Qt::MouseButton>("przycisk");
        QTest::addColumn<int>("numer");
        QTest::newRow("left, Znak(0) cell 0") << QStringLiteral("Znak(0)") << 0 << Qt::LeftButton << 1;
        QTest::newRow("right, Znak(1) cell 6") << QStringLiteral("Znak(1)") << 6 << Qt::RightButton << 2;
        QTest::newRow("middle, Znak(3) cell 31") << QStringLiteral("Znak(3)") << 31 << Qt::MiddleButton << 4;
        QTest::newRow("left, Znak(2) cell 13") << QStringLiteral("Znak(2)") << 13 << Qt::LeftButton << 1;
        QTest::newRow("right, Bufor(2) cell 17") << QStringLiteral("Bufor(2)") << 17 << Qt::RightButton << 2;
    }

    void nacisniecieKomorki()
    {
        QFETCH(QString, pojemnik);
        QFETCH(int, j);
        QFETCH(Qt::MouseButton, przycisk);
        QFETCH(int, numer);
        auto *s = w<SiatkaKomorek>(pojemnik);
        QSignalSpy spy(s, &SiatkaKomorek::nacisnieta);
        QTest::mousePress(s, przycisk, Qt::NoModifier, s->prostokatKomorki(j).center());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), j);
        QCOMPARE(spy.at(0).at(1).toInt(), numer);
    }

    void stanKomorek_data()
    {
        QTest::addColumn<int>("p");
        QTest::addColumn<QString>("pojemnik");
        QTest::addColumn<int>("j");
        QTest::addColumn<QPoint>("lewyGorny");  // where the cell starts in its container, twips
        QTest::newRow("cell 0") << 0 << QStringLiteral("Znak(0)") << 0 << QPoint(0, 0);
        QTest::newRow("cell 32") << 32 << QStringLiteral("Znak(1)") << 0 << QPoint(0, 0);
        QTest::newRow("cell 70") << 70 << QStringLiteral("Znak(2)") << 6 << QPoint(960, 240);
        QTest::newRow("cell 127") << 127 << QStringLiteral("Znak(3)") << 31 << QPoint(1440, 1680);
    }

    void stanKomorek()
    {
        QFETCH(int, p);
        QFETCH(QString, pojemnik);
        QFETCH(int, j);
        QFETCH(QPoint, lewyGorny);
        const QRgb nowy = qRgb(1, 2, 3);
        m_okno->stan().Pixel[p].kolor = nowy;
        m_okno->synchronizuj();

        auto *s = w<SiatkaKomorek>(pojemnik);
        QCOMPARE(m_okno->znakKomorki(p), s);
        QCOMPARE(s->prostokatKomorki(j).topLeft(), QPoint(px(lewyGorny.x()), px(lewyGorny.y())));
        for (int k = 0; k < 4; ++k)
            for (int c = 0; c < 32; ++c)
                QCOMPARE(kolor(w<SiatkaKomorek>(nazwa("Znak", k))->kolorKomorki(c)),
                         kolor(32 * k + c == p ? nowy : qRgb(0, 0, 0)));

        const QImage o = obraz(s);
        QCOMPARE(kolor(o.pixel(s->prostokatKomorki(j).center())), kolor(nowy));
        QCOMPARE(kolor(o.pixel(s->prostokatKomorki(j ^ 1).center())), kCzarnyHex);
    }

    // Events reach their operations and the widgets follow the state afterwards.
    void okablowanie()
    {
        // A double click as the window system delivers it: a press, then the double-click event.
        QTest::mouseClick(w(QStringLiteral("ZZ(17)")), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseDClick(w(QStringLiteral("ZZ(17)")), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(tlo(w(QStringLiteral("ZZR(17)"))), QStringLiteral("#ff0000"));
        QCOMPARE(w<QLabel>(QStringLiteral("lblZnak(2)"))->text(), QStringLiteral("81"));

        // PF0, then a left press on cell 70 (character 2, row 1, column 2) paints it.
        QTest::mouseClick(w(QStringLiteral("Kolor(0)")), Qt::LeftButton, {}, QPoint(28, 20));
        auto *znak = w<SiatkaKomorek>(QStringLiteral("Znak(2)"));
        QTest::mousePress(znak, Qt::LeftButton, {}, znak->prostokatKomorki(70 - 64).center());
        QCOMPARE(kolor(obraz(znak).pixel(znak->prostokatKomorki(70 - 64).center())), kolor(qRgb(255, 152, 44)));
        QCOMPARE(int(m_okno->stan().Pixel[70].nr), int(PF0));

        // A pick on the palette recolours the chosen register's button.
        QTest::mousePress(w(QStringLiteral("PaletaAtari")), Qt::RightButton, {}, QPoint(2 + 16 * 5 + 5, 2 + 15 * 12 + 5));
        QCOMPARE(tlo(w(QStringLiteral("Kolor(0)"))), kolor(qRgb(153, 249, 39)));
        QCOMPARE(w<QLabel>(QStringLiteral("Akolor(0)"))->text(), QStringLiteral("202"));

        // "JGP" disables PF3, "Vendra" enables it again.
        QTest::mouseClick(w(QStringLiteral("optTryb(1)")), Qt::LeftButton, {}, QPoint(5, 8));
        QVERIFY(!w(QStringLiteral("Kolor(4)"))->isEnabled() && !w(QStringLiteral("Color(4)"))->isEnabled());
        QVERIFY(w<QRadioButton>(QStringLiteral("optTryb(1)"))->isChecked());
        QTest::mouseClick(w(QStringLiteral("optTryb(0)")), Qt::LeftButton, {}, QPoint(5, 8));
        QVERIFY(w(QStringLiteral("Kolor(4)"))->isEnabled());
        QVERIFY(!w<QRadioButton>(QStringLiteral("optTryb(1)"))->isChecked());

        // The swap list swaps on every choice, also of the item it already shows.
        auto *lista = w<QComboBox>(QStringLiteral("cmbZamiana"));
        for (const int razy : {1, 2}) {
            emit lista->activated(3);
            QCOMPARE(lista->currentIndex(), 3);
            QCOMPARE(int(m_okno->stan().Pixel[0].nr), razy == 1 ? int(PF0) : int(BAK));
        }
    }
};

QTEST_MAIN(TestOkno)
#include "test_okno.moc"
