#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <optional>

namespace edytor::e2e {

/** A private X server (Xvfb) on a display number it picks itself; it dies with the test process. */
class SerwerX {
  public:
    SerwerX() = default;
    ~SerwerX();
    SerwerX(const SerwerX &) = delete;
    SerwerX &operator=(const SerwerX &) = delete;

    /** Starts the server and waits until it tells its display number. */
    bool uruchom(QString &blad);
    /** ":N", for DISPLAY. */
    const QString &ekran() const { return m_ekran; }

  private:
    QProcess m_proces;
    QString m_ekran;
};

/** A visible top-level X window: its id (as xdotool prints it) and its place on the screen. */
struct OknoX {
    QString id;
    QRect miejsce;
};

/**
 * One run of the real editor on the private X server, in a fresh temporary working directory,
 * driven by X input events (xdotool) and watched through screenshots of the root window.
 * Every coordinate a caller passes or reads is relative to the editor window's client area.
 * Each method returns false (or nothing) on failure and leaves the reason in blad().
 */
class SesjaEdytora {
  public:
    SesjaEdytora(QString program, QString ekran);
    ~SesjaEdytora();
    SesjaEdytora(const SesjaEdytora &) = delete;
    SesjaEdytora &operator=(const SesjaEdytora &) = delete;

    /** Starts the editor and waits until its window is on the screen and painted. */
    bool uruchom();

    const QString &blad() const { return m_blad; }
    /** The editor's working directory. */
    QString katalog() const { return m_katalog.path(); }
    QString sciezka(const QString &nazwa) const { return m_katalog.filePath(nazwa); }
    /** What the editor printed so far (standard output and error together). */
    QString wyjscieEdytora();

    /** Mouse buttons as X numbers them: 1 left, 2 middle, 3 right. */
    bool klik(QPoint p, int przycisk = 1);
    bool dwuklik(QPoint p);
    /** A key or key combination by X key name ("Return", "Escape", "t", "ctrl+a"). */
    bool klawisz(const QString &nazwa);
    bool wpisz(const QString &tekst);

    /** Polls for a visible window whose title is exactly the given one. */
    std::optional<OknoX> czekajNaOkno(const QString &tytul, int ms = 10000);
    bool czekajNaZamkniecie(const QString &tytul, int ms = 10000);
    /** Gives an open dialog the keyboard focus and waits until the X server agrees. */
    bool skupNa(const OknoX &okno, int ms = 5000);

    /** Answers the file dialog of the given title with a path typed into its name field. */
    bool wybierzPlik(const QString &tytulDialogu, const QString &sciezkaPliku);
    /** Accepts the file dialog with the name it proposes. */
    bool zatwierdzDialog(const QString &tytulDialogu);
    /** Waits for a message box, presses a key in it and waits until it has gone. */
    bool odpowiedz(const QString &tytul, const QString &klawiszOdpowiedzi);

    /** The editor window's client area as it is on the screen now. */
    std::optional<QImage> zrzut();
    /** Takes screenshots until the condition holds or the time runs out. */
    bool czekajNaObraz(const std::function<bool(const QImage &)> &warunek, int ms = 8000);
    /** The last screenshot taken, for checks and for failure reports. */
    const QImage &ostatniZrzut() const { return m_ostatni; }

  private:
    bool narzedzie(const QString &program, const QStringList &argumenty, QByteArray *wyjscie = nullptr,
                   int ms = 5000);
    bool xdotool(const QStringList &argumenty, QByteArray *wyjscie = nullptr);
    std::optional<OknoX> szukajOkna(const QString &wzorTytulu);
    bool edytorDziala();

    QString m_program;
    QString m_ekran;
    QTemporaryDir m_katalog; // the working directory, nothing else in it
    QTemporaryDir m_dom;     // home, configuration and runtime folders of the editor
    QProcess m_edytor;
    QByteArray m_wyjscie;
    QPoint m_poczatek; // the window's client area on the screen
    QRect m_okno;
    QImage m_ostatni;
    QString m_blad;
};

} // namespace edytor::e2e
