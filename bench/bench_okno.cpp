// The real window driven in-process under X: the time from a user event to the end of the repaint
// it causes. Events go in through the window system interface (QTest on the QWindow), so the
// window finds the widget under the point as for a real press; the clock stops when the event
// processing in which the window painted returns, after the backing store has been flushed.

#include "pomiar.h"

#include "io/dialogi.h"
#include "ui/edytor.h"
#include "ui/widzety.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <functional>

using namespace edytor;
using Zegar = std::chrono::steady_clock;

namespace {

int malowania = 0;  // paint events received by any widget

struct LicznikMalowania : QObject {
    bool eventFilter(QObject *, QEvent *e) override
    {
        malowania += e->type() == QEvent::Paint;
        return false;
    }
};

/** The file dialog answers with the measured set file; messages are only counted. */
struct Dialogi_ : Dialogi {
    QString plik;
    int komunikaty = 0;
    std::optional<QString> wybierzPlik(const PytanieOPlik &) override { return plik; }
    Odpowiedz komunikat(const QString &, const QString &, Przyciski, Ikona) override
    {
        ++komunikaty;
        return Odpowiedz::Ok;
    }
};

/** Milliseconds from the event to the end of the repaint it caused; -1 when none came within 5 s. */
double doMalowania(const std::function<void()> &zdarzenie)
{
    for (int i = 0; i < 3; ++i)  // nothing earlier still pending is taken for this repaint
        QCoreApplication::processEvents();
    const int przed = malowania;
    const auto t0 = Zegar::now();
    zdarzenie();
    while (malowania == przed)
        if (Zegar::now() - t0 > std::chrono::seconds(5))
            return -1;
        else
            QCoreApplication::processEvents();
    return std::chrono::duration<double, std::milli>(Zegar::now() - t0).count();
}

/** The median of `ile` events after 10 not counted; every event must also have done its work. */
bool seria(const char *co, int ile, double budzetMs, const std::function<double(int)> &zdarzenie)
{
    std::vector<double> czasy;
    for (int n = 0; n < 10 + ile; ++n)
        if (const double t = zdarzenie(n); n >= 10)
            czasy.push_back(t);
    return pomiary::wiersz(co, pomiary::mediana(czasy), budzetMs, "ms");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication aplikacja(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));  // as the editor's main
    LicznikMalowania licznik;
    aplikacja.installEventFilter(&licznik);
    QTemporaryDir katalog;
    Dialogi_ dialogi;
    dialogi.plik = katalog.filePath(QStringLiteral("POMIAR.ORB"));
    QFile plik(dialogi.plik);
    if (!plik.open(QIODevice::WriteOnly) || plik.write(ZakodujZestaw(pomiary::zestawPomiarowy())) != kRozmiarZestawu)
        qFatal("cannot write the set file");
    plik.close();

    Edytor okno;
    okno.ustawDialogi(&dialogi);
    if (doMalowania([&] { okno.show(); }) < 0)
        qFatal("the editor's window did not paint");
    StanEdytora &s = okno.stan();
    QWindow *x = okno.windowHandle();
    const auto nacisnij = [&](QWidget *w, QPoint p, Qt::MouseButton przycisk) {
        const double t = doMalowania([&] { QTest::mousePress(x, przycisk, {}, w->mapTo(&okno, p)); });
        QTest::mouseRelease(x, przycisk, {}, w->mapTo(&okno, p));
        return t;
    };
    const auto kliknij = [&](const char *nazwa) {
        auto *w = okno.findChild<QWidget *>(QLatin1String(nazwa));
        return doMalowania([&] { QTest::mouseClick(x, Qt::LeftButton, {}, w->mapTo(&okno, w->rect().center())); });
    };

    std::printf("Window on Qt %s, platform %s: medians from the event to the window repainted\n", qVersion(),
                qPrintable(QGuiApplication::platformName()));
    bool ok = seria("load of a 2580-byte set file (click cmdLoad) to repainted", 60, 20, [&](int) {
        s.NazwaZestawu.clear();
        const double t = kliknij("cmdLoad");
        return s.NazwaZestawu == QStringLiteral("POMIAR.ORB") && dialogi.komunikaty == 0 ? t : -1;
    });
    kliknij("Kolor(1)");  // PF1 draws: left presses paint PF1, right ones BAK
    ok = seria("press on a cell (Znak(k)) to repainted", 400, 2, [&](int n) {
        const int k = 37 * (n / 2) % kKomorek;
        SiatkaKomorek *znak = okno.znakKomorki(k);
        const double t = nacisnij(znak, znak->prostokatKomorki(k % kKomorekZnaku).center(),
                                  n % 2 ? Qt::RightButton : Qt::LeftButton);
        return s.Pixel[k].nr == (n % 2 ? BAK : PF1) ? t : -1;
    }) && ok;
    kliknij("Kolor(0)");  // the squares in turn give PF0 their colours
    auto *paleta = okno.findChild<PoleKoloru *>(QStringLiteral("PaletaAtari"));
    ok = seria("palette pick (press on PaletaAtari) to repainted", 120, 10, [&](int n) {
        const int q = 53 * n % 128, b = paleta->gruboscBrzegu();
        const double t = nacisnij(paleta, {b + 16 * (q % 8) + 6, b + 15 * (q / 8) + 5}, Qt::LeftButton);
        return s.WartoscKoloru[PF0] == 16 * (q / 8) + 2 * (q % 8) ? t : -1;
    }) && ok;
    std::printf("%s\n", ok ? "All window budgets met." : "Some window budget MISSED.");
    return ok ? 0 : 1;
}
