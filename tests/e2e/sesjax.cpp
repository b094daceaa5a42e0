#include "sesjax.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace edytor::e2e {

namespace {

constexpr int kPrzerwaOdpytywania = 40; // ms between two polls of the screen or the window list

/** The child is killed as soon as the test process ends, however it ends (a crash, a ctest timeout). */
void umieraZRodzicem(QProcess &proces)
{
    proces.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

void zakoncz(QProcess &proces)
{
    if (proces.state() == QProcess::NotRunning)
        return;
    proces.kill();
    proces.waitForFinished(5000);
}

/** A title as an anchored POSIX extended regular expression (xdotool's search). */
QString wzorDokladny(const QString &tytul)
{
    static const QString znakiSpecjalne = QStringLiteral(".[]{}()\\*+?|^$");
    QString wzor = QStringLiteral("^");
    for (const QChar c : tytul) {
        if (znakiSpecjalne.contains(c))
            wzor += u'\\';
        wzor += c;
    }
    return wzor + u'$';
}

} // namespace

SerwerX::~SerwerX()
{
    zakoncz(m_proces);
}

bool SerwerX::uruchom(QString &blad)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        blad = QStringLiteral("Xvfb not found (Debian package xvfb)");
        return false;
    }
    // -displayfd: the server takes the first free display number and writes it to our pipe.
    // -noreset: the server stays the same while editors come and go.
    m_proces.setProgram(xvfb);
    m_proces.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                           QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                           QStringLiteral("tcp"), QStringLiteral("-noreset")});
    umieraZRodzicem(m_proces);
    m_proces.start();
    if (!m_proces.waitForStarted(5000)) {
        blad = QStringLiteral("Xvfb did not start: ") + m_proces.errorString();
        return false;
    }
    QByteArray numer;
    QElapsedTimer czas;
    czas.start();
    while (!numer.contains('\n')) {
        if (czas.elapsed() > 15000 || m_proces.state() == QProcess::NotRunning) {
            blad = QStringLiteral("Xvfb did not report a display: ") +
                   QString::fromLocal8Bit(m_proces.readAllStandardError());
            return false;
        }
        m_proces.waitForReadyRead(100);
        numer += m_proces.readAllStandardOutput();
    }
    bool ok = false;
    const int n = numer.trimmed().toInt(&ok);
    if (!ok) {
        blad = QStringLiteral("Xvfb reported no display number: ") + QString::fromLocal8Bit(numer);
        return false;
    }
    m_ekran = u':' + QString::number(n);
    return true;
}

SesjaEdytora::SesjaEdytora(QString program, QString ekran)
    : m_program(std::move(program)), m_ekran(std::move(ekran))
{
}

SesjaEdytora::~SesjaEdytora()
{
    const qint64 pid = m_edytor.processId();
    zakoncz(m_edytor);
    if (pid <= 0)
        return;
    // The server drops the windows of a client that has gone a moment later; the next editor
    // must not find these on the screen.
    QElapsedTimer czas;
    czas.start();
    while (czas.elapsed() < 5000 && xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--pid"), QString::number(pid)}))
        QThread::msleep(kPrzerwaOdpytywania);
}

QString SesjaEdytora::wyjscieEdytora()
{
    m_wyjscie += m_edytor.readAll();
    return QString::fromLocal8Bit(m_wyjscie);
}

bool SesjaEdytora::edytorDziala()
{
    if (m_edytor.state() != QProcess::NotRunning)
        return true;
    m_blad = QStringLiteral("the editor has exited (code %1); its output:\n%2")
                 .arg(m_edytor.exitCode())
                 .arg(wyjscieEdytora());
    return false;
}

bool SesjaEdytora::uruchom()
{
    if (!m_katalog.isValid() || !m_dom.isValid()) {
        m_blad = QStringLiteral("no temporary directory");
        return false;
    }
    // A home, configuration and runtime folder of its own: the file dialog keeps its history
    // there, so no run sees what another left.
    const QString dom = m_dom.path();
    const QString konfiguracja = m_dom.filePath(QStringLiteral("konfiguracja"));
    const QString biezace = m_dom.filePath(QStringLiteral("biezace"));
    QDir().mkpath(konfiguracja);
    QDir().mkpath(biezace);
    QFile::setPermissions(biezace, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    for (const char *nazwa :
         {"WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
          "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "QT_STYLE_OVERRIDE",
          "QT_QPA_PLATFORMTHEME", "SESSION_MANAGER"})
        srodowisko.remove(QString::fromLatin1(nazwa));
    srodowisko.insert(QStringLiteral("DISPLAY"), m_ekran);
    srodowisko.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    srodowisko.insert(QStringLiteral("HOME"), dom);
    srodowisko.insert(QStringLiteral("XDG_CONFIG_HOME"), konfiguracja);
    srodowisko.insert(QStringLiteral("XDG_RUNTIME_DIR"), biezace);
    srodowisko.insert(QStringLiteral("QT_ACCESSIBILITY"), QStringLiteral("0"));
    srodowisko.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));

    m_edytor.setProgram(m_program);
    m_edytor.setWorkingDirectory(katalog());
    m_edytor.setProcessEnvironment(srodowisko);
    m_edytor.setProcessChannelMode(QProcess::MergedChannels);
    umieraZRodzicem(m_edytor);
    m_edytor.start();
    if (!m_edytor.waitForStarted(5000)) {
        m_blad = QStringLiteral("the editor did not start: ") + m_edytor.errorString();
        return false;
    }

    const auto okno = czekajNaOkno(QStringLiteral("^Edytor obiekt"), 15000);
    if (!okno)
        return false;
    m_okno = okno->miejsce;
    m_poczatek = m_okno.topLeft();
    if (m_okno.size() != QSize(833, 584)) {
        m_blad = QStringLiteral("the editor window is %1 x %2, not 833 x 584")
                     .arg(m_okno.width())
                     .arg(m_okno.height());
        return false;
    }
    // Painted: object 0 is selected at start-up, so its frame is white around a black thumbnail.
    if (!czekajNaObraz(
            [](const QImage &z) {
                return z.pixel(33, 369) == qRgb(255, 255, 255) && z.pixel(36, 372) == qRgb(0, 0, 0);
            },
            15000)) {
        m_blad = QStringLiteral("the editor window was not painted: ") + m_blad;
        return false;
    }
    return true;
}

bool SesjaEdytora::narzedzie(const QString &program, const QStringList &argumenty, QByteArray *wyjscie,
                             int ms)
{
    QProcess proces;
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    srodowisko.insert(QStringLiteral("DISPLAY"), m_ekran);
    proces.setProcessEnvironment(srodowisko);
    umieraZRodzicem(proces);
    proces.start(program, argumenty);
    const QString polecenie = program + u' ' + argumenty.join(u' ');
    if (!proces.waitForStarted(5000)) {
        m_blad = polecenie + QStringLiteral(": ") + proces.errorString();
        return false;
    }
    if (!proces.waitForFinished(ms)) {
        zakoncz(proces);
        m_blad = polecenie + QStringLiteral(": no answer in %1 ms").arg(ms);
        return false;
    }
    if (wyjscie)
        *wyjscie = proces.readAllStandardOutput();
    if (proces.exitStatus() != QProcess::NormalExit || proces.exitCode() != 0) {
        m_blad = polecenie + QStringLiteral(": exit code %1 %2")
                                 .arg(proces.exitCode())
                                 .arg(QString::fromLocal8Bit(proces.readAllStandardError()));
        return false;
    }
    return true;
}

bool SesjaEdytora::xdotool(const QStringList &argumenty, QByteArray *wyjscie)
{
    return narzedzie(QStringLiteral("xdotool"), argumenty, wyjscie);
}

bool SesjaEdytora::klik(QPoint p, int przycisk)
{
    // xdotool waits 100 ms after a click unless told otherwise.
    const QPoint e = m_poczatek + p;
    return edytorDziala() &&
           xdotool({QStringLiteral("mousemove"), QString::number(e.x()), QString::number(e.y()),
                    QStringLiteral("click"), QStringLiteral("--delay"), QStringLiteral("1"),
                    QString::number(przycisk)});
}

bool SesjaEdytora::dwuklik(QPoint p)
{
    const QPoint e = m_poczatek + p;
    return edytorDziala() &&
           xdotool({QStringLiteral("mousemove"), QString::number(e.x()), QString::number(e.y()),
                    QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                    QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("1")});
}

bool SesjaEdytora::klawisz(const QString &nazwa)
{
    return edytorDziala() && xdotool({QStringLiteral("key"), nazwa});
}

bool SesjaEdytora::wpisz(const QString &tekst)
{
    return edytorDziala() &&
           xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("8"), tekst});
}

std::optional<OknoX> SesjaEdytora::szukajOkna(const QString &wzorTytulu)
{
    QByteArray wyjscie;
    // Finding nothing is an exit code 1, not a failure of the tool.
    const QString blad = m_blad;
    // Only the windows of this editor process (_NET_WM_PID), never those of one that has gone.
    if (!xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                  QStringLiteral("--pid"), QString::number(m_edytor.processId()), QStringLiteral("--name"),
                  wzorTytulu, QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
                  QStringLiteral("%1")},
                 &wyjscie)) {
        m_blad = blad;
        return std::nullopt;
    }
    OknoX okno;
    int x = 0, y = 0, w = 0, h = 0;
    for (const QByteArray &wiersz : wyjscie.split('\n')) {
        const qsizetype rowna = wiersz.indexOf('=');
        if (rowna < 0)
            continue;
        const QByteArray klucz = wiersz.left(rowna);
        const QByteArray wartosc = wiersz.mid(rowna + 1).trimmed();
        if (klucz == "WINDOW")
            okno.id = QString::fromLatin1(wartosc);
        else if (klucz == "X")
            x = wartosc.toInt();
        else if (klucz == "Y")
            y = wartosc.toInt();
        else if (klucz == "WIDTH")
            w = wartosc.toInt();
        else if (klucz == "HEIGHT")
            h = wartosc.toInt();
    }
    if (okno.id.isEmpty())
        return std::nullopt;
    okno.miejsce = QRect(x, y, w, h);
    return okno;
}

std::optional<OknoX> SesjaEdytora::czekajNaOkno(const QString &tytul, int ms)
{
    // The main window is looked for by a pattern, every other window by its exact title.
    const QString wzor = tytul.startsWith(u'^') ? tytul : wzorDokladny(tytul);
    QElapsedTimer czas;
    czas.start();
    for (;;) {
        if (auto okno = szukajOkna(wzor))
            return okno;
        if (!edytorDziala())
            return std::nullopt;
        if (czas.elapsed() > ms) {
            m_blad = QStringLiteral("no window \"%1\" appeared in %2 ms").arg(tytul).arg(ms);
            return std::nullopt;
        }
        QThread::msleep(kPrzerwaOdpytywania);
    }
}

bool SesjaEdytora::czekajNaZamkniecie(const QString &tytul, int ms)
{
    QElapsedTimer czas;
    czas.start();
    while (szukajOkna(wzorDokladny(tytul))) {
        if (!edytorDziala())
            return false;
        if (czas.elapsed() > ms) {
            m_blad = QStringLiteral("the window \"%1\" is still open after %2 ms").arg(tytul).arg(ms);
            return false;
        }
        QThread::msleep(kPrzerwaOdpytywania);
    }
    return true;
}

bool SesjaEdytora::skupNa(const OknoX &okno, int ms)
{
    // Without a window manager Qt gives a new dialog the focus itself; this only makes sure the
    // server routes the next keys there before they are sent.
    QElapsedTimer czas;
    czas.start();
    for (;;) {
        QByteArray wyjscie;
        if (!xdotool({QStringLiteral("getwindowfocus")}, &wyjscie))
            return false;
        if (QString::fromLatin1(wyjscie.trimmed()) == okno.id)
            return true;
        if (czas.elapsed() > ms) {
            m_blad = QStringLiteral("the window %1 does not get the keyboard focus").arg(okno.id);
            return false;
        }
        if (!xdotool({QStringLiteral("windowfocus"), okno.id}))
            return false;
        QThread::msleep(kPrzerwaOdpytywania);
    }
}

bool SesjaEdytora::wybierzPlik(const QString &tytulDialogu, const QString &sciezkaPliku)
{
    const auto okno = czekajNaOkno(tytulDialogu);
    return okno && skupNa(*okno) && wpisz(sciezkaPliku) && klawisz(QStringLiteral("Return")) &&
           czekajNaZamkniecie(tytulDialogu);
}

bool SesjaEdytora::zatwierdzDialog(const QString &tytulDialogu)
{
    const auto okno = czekajNaOkno(tytulDialogu);
    return okno && skupNa(*okno) && klawisz(QStringLiteral("Return")) && czekajNaZamkniecie(tytulDialogu);
}

bool SesjaEdytora::odpowiedz(const QString &tytul, const QString &klawiszOdpowiedzi)
{
    const auto okno = czekajNaOkno(tytul);
    return okno && skupNa(*okno) && klawisz(klawiszOdpowiedzi) && czekajNaZamkniecie(tytul);
}

std::optional<QImage> SesjaEdytora::zrzut()
{
    QByteArray png;
    if (!narzedzie(QStringLiteral("import"),
                   {QStringLiteral("-silent"), QStringLiteral("-window"), QStringLiteral("root"),
                    QStringLiteral("png:-")},
                   &png, 15000))
        return std::nullopt;
    const QImage ekran = QImage::fromData(png, "PNG");
    if (ekran.isNull()) {
        m_blad = QStringLiteral("import gave no PNG picture");
        return std::nullopt;
    }
    m_ostatni = ekran.copy(m_okno.isValid() ? m_okno : ekran.rect()).convertToFormat(QImage::Format_RGB32);
    return m_ostatni;
}

bool SesjaEdytora::czekajNaObraz(const std::function<bool(const QImage &)> &warunek, int ms)
{
    QElapsedTimer czas;
    czas.start();
    for (;;) {
        const auto obraz = zrzut();
        if (!obraz)
            return false;
        if (warunek(*obraz))
            return true;
        if (!edytorDziala())
            return false;
        if (czas.elapsed() > ms) {
            m_blad = QStringLiteral("the screen did not show what was expected in %1 ms").arg(ms);
            return false;
        }
        QThread::msleep(kPrzerwaOdpytywania);
    }
}

} // namespace edytor::e2e
