#pragma once

#include "model/stale.h"

#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QWheelEvent>
#include <QRadioButton>
#include <QWidget>

#include <array>

namespace edytor {

/** A picture box: a filled background with an optional border. */
class PoleKoloru : public QWidget {
    Q_OBJECT
public:
    enum class Brzeg { Brak = 0, Plaski = 1, Wklesly = 2 };  // its width: none, 1 px flat, 2 px sunken

    PoleKoloru(QWidget *rodzic, const QString &nazwa, const QRect &miejsce, QRgb tlo,
               Brzeg brzeg = Brzeg::Brak);

    QRgb kolor() const { return m_tlo; }
    void ustawKolor(QRgb tlo);  // repaints only when the colour differs
    int gruboscBrzegu() const { return static_cast<int>(m_brzeg); }

protected:
    void paintEvent(QPaintEvent *e) final;
    /** What the box shows over its background, drawn with the one painter of the paint event. */
    virtual void rysujZawartosc(QPainter &, const QRect & /*obszar*/) {}

private:
    void rysujBrzeg(QPainter &p) const;

    QRgb m_tlo;
    Brzeg m_brzeg;
};

/**
 * A picture box that shows a region of an image held elsewhere (a thumbnail of the strip, the
 * preview, the palette), unscaled, inside its border. Reports presses in image coordinates.
 */
class Obrazek : public PoleKoloru {
    Q_OBJECT
public:
    Obrazek(QWidget *rodzic, const QString &nazwa, const QRect &miejsce, Brzeg brzeg,
            const QImage *obraz, const QRect &fragment);

signals:
    void klik();
    void dwuklik();
    /** A mouse button pressed at (x, y) of the image. */
    void nacisniety(QPoint punkt);

protected:
    void rysujZawartosc(QPainter &p, const QRect &obszar) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    const QImage *m_obraz;
    QRect m_fragment;
};

/**
 * A container of 32 cells of one character, 4 across and 8 down, drawn by the container itself.
 * Cell j (0 to 31) is row j div 4, column j mod 4.
 */
class SiatkaKomorek : public PoleKoloru {
    Q_OBJECT
public:
    struct Uklad {
        QPoint poczatek;  // top-left corner of cell 0
        QSize krok;     // distance between neighbouring cells
        QSize komorka;  // size of one cell (may overlap the next by its border)
        bool brzegi;    // cells framed by a thin line
    };

    SiatkaKomorek(QWidget *rodzic, const QString &nazwa, const QRect &miejsce, const Uklad &uklad);

    void pokaz(const std::array<QRgb, kKomorekZnaku> &kolory);  // repaints only what differs
    QRgb kolorKomorki(int j) const { return m_kolory[j]; }
    QRect prostokatKomorki(int j) const;

signals:
    /** A mouse button pressed on cell j. */
    void nacisnieta(int j, Qt::MouseButton przycisk);

protected:
    void rysujZawartosc(QPainter &p, const QRect &obszar) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    Uklad m_uklad;
    std::array<QRgb, kKomorekZnaku> m_kolory{};
};

/**
 * An option button that reacts to a click anywhere on it, not only on its indicator and text,
 * and leaves it to the editor state which one is chosen.
 */
class Opcja : public QRadioButton {
    Q_OBJECT
public:
    Opcja(const QString &tekst, QWidget *rodzic) : QRadioButton(tekst, rodzic) { setAutoExclusive(false); }

protected:
    bool hitButton(const QPoint &punkt) const override { return rect().contains(punkt); }
};

/**
 * A frame with a caption, drawn directly: an etched outline and the caption over its top edge.
 * Not Qt's group box: that one costs as much to paint as the rest of the window, and its first
 * construction alone adds several milliseconds to the editor's start.
 */
class Ramka : public QWidget {
    Q_OBJECT
public:
    Ramka(const QString &tytul, QWidget *rodzic) : QWidget(rodzic), m_tytul(tytul)
    {
        setAccessibleName(tytul);
    }
    QString title() const { return m_tytul; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString m_tytul;
};

/** A drop-down list that only a deliberate choice changes: the mouse wheel passing over it does not. */
class ListaWyboru : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

protected:
    void wheelEvent(QWheelEvent *e) override { e->ignore(); }
};

} // namespace edytor
