#include "sesjax.h"

#include <QElapsedTimer>
#include <QMap>
#include <QProcessEnvironment>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace edytor::e2e {

namespace {

/** The child is killed as soon as the test process ends, however it ends (a crash, a ctest timeout). */
void umieraZRodzicem(QProcess &proces)
{
    proces.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

} // namespace

bool uruchomXvfb(QProcess &xvfb, QString &blad)
{
    // -displayfd: the server takes the first free display and writes its number to our pipe;
    // -noreset: it stays the same while editors come and go.
    umieraZRodzicem(xvfb);
    xvfb.start(QStringLiteral("Xvfb"),
               {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                QStringLiteral("tcp"), QStringLiteral("-noreset")});
    QByteArray numer;
    while (!numer.contains('\n') && xvfb.waitForReadyRead(15000))
        numer += xvfb.readAllStandardOutput();
    if (!numer.contains('\n')) {
        blad = QStringLiteral("Xvfb reported no display: ") + xvfb.errorString() + u' ' +
               QString::fromLocal8Bit(xvfb.readAllStandardError());
        return false;
    }
    // The tools and the editor started from now on inherit it.
    qputenv("DISPLAY", ':' + numer.trimmed());
    return true;
}

SesjaEdytora::SesjaEdytora(const QString &program)
{
    m_edytor.setProgram(program);
}

SesjaEdytora::~SesjaEdytora()
{
    m_edytor.kill();
    m_edytor.waitForFinished(5000);
    // The server drops the windows of a client that has gone a moment later; the next editor's
    // screenshots must not show them.
    QElapsedTimer czas;
    czas.start();
    while (m_pid > 0 && czas.elapsed() < 5000 && okno(QStringLiteral("^")))
        QThread::msleep(40);
}

bool SesjaEdytora::uruchom()
{
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    for (const char *zmienna :
         {"WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "SESSION_MANAGER", "XDG_CONFIG_HOME",
          "XDG_DATA_HOME", "XDG_CACHE_HOME", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
          "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "QT_STYLE_OVERRIDE",
          "QT_QPA_PLATFORMTHEME"})
        srodowisko.remove(QString::fromLatin1(zmienna));
    srodowisko.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    srodowisko.insert(QStringLiteral("HOME"), m_dom.path());
    srodowisko.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dom.path()); // private (0700) as Qt wants
    srodowisko.insert(QStringLiteral("QT_ACCESSIBILITY"), QStringLiteral("0"));
    srodowisko.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    m_edytor.setProcessEnvironment(srodowisko);
    m_edytor.setWorkingDirectory(m_katalog.path());
    m_edytor.setProcessChannelMode(QProcess::MergedChannels);
    umieraZRodzicem(m_edytor);
    if (m_katalog.isValid() && m_dom.isValid())
        m_edytor.start();
    if (!m_edytor.waitForStarted(5000)) {
        m_blad = QStringLiteral("the editor did not start: ") + m_edytor.errorString();
        return false;
    }
    m_pid = m_edytor.processId();
    if (!czekaj([this] { return okno(QStringLiteral("^Edytor obiekt"), &m_okno) != 0; },
                QStringLiteral("no editor window"), 15000))
        return false;
    if (m_okno.size() != QSize(833, 584)) {
        m_blad =
            QStringLiteral("the window is %1 x %2, not 833 x 584").arg(m_okno.width()).arg(m_okno.height());
        return false;
    }
    // Painted: object 0 is selected at start-up, a white frame around a black thumbnail.
    return czekajNaObraz(
        [](const QImage &z) {
            return z.pixel(33, 369) == qRgb(255, 255, 255) && z.pixel(36, 372) == qRgb(0, 0, 0);
        },
        15000);
}

bool SesjaEdytora::narzedzie(const QString &program, const QStringList &argumenty, QByteArray *wyjscie)
{
    QProcess proces;
    umieraZRodzicem(proces);
    proces.start(program, argumenty);
    const bool skonczyl = proces.waitForFinished(15000);
    if (wyjscie)
        *wyjscie = proces.readAllStandardOutput();
    if (skonczyl && proces.exitStatus() == QProcess::NormalExit && proces.exitCode() == 0)
        return true;
    m_blad = program + u' ' + argumenty.join(u' ') + QStringLiteral(": ") +
             (skonczyl ? QStringLiteral("exit code %1 ").arg(proces.exitCode()) +
                             QString::fromLocal8Bit(proces.readAllStandardError())
                       : proces.errorString());
    proces.kill();
    proces.waitForFinished(1000);
    return false;
}

bool SesjaEdytora::xdotool(const QStringList &argumenty, QByteArray *wyjscie)
{
    return narzedzie(QStringLiteral("xdotool"), argumenty, wyjscie);
}

int SesjaEdytora::okno(const QString &wzor, QRect *miejsce)
{
    // Both the process (_NET_WM_PID) and the title must match (--all): never a window of an editor
    // that has gone. Finding nothing is exit code 1.
    QByteArray wyjscie;
    if (!xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                  QStringLiteral("--pid"), QString::number(m_pid), QStringLiteral("--name"), wzor,
                  QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QStringLiteral("%1")},
                 &wyjscie))
        return 0;
    QMap<QByteArray, int> pola; // WINDOW=, X=, Y=, WIDTH=, HEIGHT=
    for (const QByteArray &wiersz : wyjscie.split('\n'))
        if (const qsizetype rowna = wiersz.indexOf('='); rowna > 0)
            pola[wiersz.left(rowna)] = wiersz.mid(rowna + 1).trimmed().toInt();
    if (miejsce)
        *miejsce = QRect(pola.value("X"), pola.value("Y"), pola.value("WIDTH"), pola.value("HEIGHT"));
    return pola.value("WINDOW");
}

bool SesjaEdytora::dziala()
{
    if (m_edytor.state() == QProcess::Running)
        return true;
    m_blad = QStringLiteral("the editor has exited (code %1); its output:\n%2")
                 .arg(m_edytor.exitCode())
                 .arg(wyjscie());
    return false;
}

bool SesjaEdytora::czekaj(const std::function<bool()> &warunek, const QString &co, int ms)
{
    QElapsedTimer czas;
    czas.start();
    m_blad.clear();
    while (!warunek()) {
        if (!dziala())
            return false;
        if (czas.elapsed() > ms) {
            m_blad = QStringLiteral("%1 in %2 ms").arg(co).arg(ms) +
                     (m_blad.isEmpty() ? QString() : QStringLiteral(" (last error: ") + m_blad + u')');
            return false;
        }
        QThread::msleep(40);
    }
    return true;
}

bool SesjaEdytora::klik(QPoint p, int przycisk, int razy)
{
    const QPoint e = m_okno.topLeft() + p;
    // Without --delay xdotool waits 100 ms after each click; a double click needs the clicks close.
    return dziala() && xdotool({QStringLiteral("mousemove"), QString::number(e.x()), QString::number(e.y()),
                                QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(razy),
                                QStringLiteral("--delay"), QString::number(razy > 1 ? 60 : 1),
                                QString::number(przycisk)});
}

bool SesjaEdytora::odpowiedz(const QString &tytul, const QString &tekst, const QString &klawisz)
{
    const QString wzor = u'^' + tytul + u'$';
    int id = 0;
    // Without a window manager Qt gives a new dialog the focus itself; this only makes sure that
    // the server sends the next keys there.
    const auto skupione = [&] {
        QByteArray fokus;
        if (xdotool({QStringLiteral("getwindowfocus")}, &fokus) && fokus.trimmed().toInt() == id)
            return true;
        xdotool({QStringLiteral("windowfocus"), QString::number(id)});
        return false;
    };
    return czekaj([&] { return (id = okno(wzor)) != 0; }, QStringLiteral("no window \"%1\"").arg(tytul)) &&
           czekaj(skupione, QStringLiteral("no keyboard focus in \"%1\"").arg(tytul), 5000) &&
           (tekst.isEmpty() ||
            xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("8"), tekst})) &&
           dziala() && xdotool({QStringLiteral("key"), klawisz}) &&
           czekaj([&] { return okno(wzor) == 0; }, QStringLiteral("\"%1\" still open").arg(tytul));
}

bool SesjaEdytora::czekajNaObraz(const std::function<bool(const QImage &)> &warunek, int ms)
{
    return czekaj(
        [&] {
            QByteArray png;
            if (!narzedzie(QStringLiteral("import"),
                           {QStringLiteral("-silent"), QStringLiteral("-window"), QStringLiteral("root"),
                            QStringLiteral("png:-")},
                           &png))
                return false;
            m_zrzut = QImage::fromData(png, "PNG").copy(m_okno).convertToFormat(QImage::Format_RGB32);
            return warunek(m_zrzut);
        },
        QStringLiteral("the screen did not show what was expected"), ms);
}

} // namespace edytor::e2e
