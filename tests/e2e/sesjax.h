#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

#include <functional>

namespace edytor::e2e {

/** Starts Xvfb on the first free display and points DISPLAY at it; returns false with the reason. */
bool uruchomXvfb(QProcess &xvfb, QString &blad);

/**
 * One run of the real editor on that X server, in a fresh working directory of its own, driven by
 * xdotool and watched through screenshots. Coordinates are relative to the window's client area.
 * A step that fails returns false and leaves the reason in blad().
 */
class SesjaEdytora {
  public:
    explicit SesjaEdytora(const QString &program);
    ~SesjaEdytora();
    SesjaEdytora(const SesjaEdytora &) = delete;
    SesjaEdytora &operator=(const SesjaEdytora &) = delete;

    /** Starts the editor and waits until its window is on the screen and painted. */
    bool uruchom();
    const QString &blad() const { return m_blad; }
    QString sciezka(const QString &nazwa) const { return m_katalog.filePath(nazwa); }
    /** What the editor printed so far. */
    QString wyjscie() { return QString::fromLocal8Bit(m_wyjscie += m_edytor.readAll()); }

    /** X buttons: 1 left, 3 right; two clicks make a double click. */
    bool klik(QPoint p, int przycisk = 1, int razy = 1);
    /** Waits for the window of this title, gives it the keyboard focus, types the text (if any),
     * presses the key and waits until the window has gone. */
    bool odpowiedz(const QString &tytul, const QString &tekst,
                   const QString &klawisz = QStringLiteral("Return"));
    /** Takes screenshots until the condition holds; the last one stays in zrzut(). */
    bool czekajNaObraz(const std::function<bool(const QImage &)> &warunek, int ms = 8000);
    const QImage &zrzut() const { return m_zrzut; }

  private:
    bool narzedzie(const QString &program, const QStringList &argumenty, QByteArray *wyjscie = nullptr);
    bool xdotool(const QStringList &argumenty, QByteArray *wyjscie = nullptr);
    /** A visible window of this editor whose title matches the pattern: its id, or 0. */
    int okno(const QString &wzor, QRect *miejsce = nullptr);
    bool czekaj(const std::function<bool()> &warunek, const QString &co, int ms = 10000);
    bool dziala();

    QProcess m_edytor;
    qint64 m_pid = 0;
    QTemporaryDir m_katalog; // the working directory, nothing else in it
    QTemporaryDir m_dom;     // home, configuration and runtime folder: the file dialog's history
    QByteArray m_wyjscie;
    QRect m_okno; // the client area on the screen
    QImage m_zrzut;
    QString m_blad;
};

} // namespace edytor::e2e
