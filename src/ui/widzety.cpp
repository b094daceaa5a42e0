#include "ui/widzety.h"

#include <QMouseEvent>
#include <QPainter>

namespace edytor {

namespace {

constexpr QRgb kKolorBrzegu = qRgb(64, 64, 64);
constexpr QRgb kCienBrzegu = qRgb(128, 128, 128);
constexpr QRgb kSwiatloBrzegu = qRgb(255, 255, 255);

} // namespace

int numerPrzycisku(Qt::MouseButton przycisk)
{
    switch (przycisk) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

PoleKoloru::PoleKoloru(QWidget *rodzic, const QString &nazwa, const QRect &miejsce, QRgb tlo,
                       Brzeg brzeg)
    : QWidget(rodzic), m_tlo(tlo), m_brzeg(brzeg)
{
    setObjectName(nazwa);
    setGeometry(miejsce);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PoleKoloru::ustawKolor(QRgb tlo)
{
    if (tlo == m_tlo)
        return;
    m_tlo = tlo;
    update();
}

int PoleKoloru::gruboscBrzegu() const
{
    switch (m_brzeg) {
    case Brzeg::Brak: return 0;
    case Brzeg::Plaski: return 1;
    case Brzeg::Wklesly: return 2;
    }
    return 0;
}

void PoleKoloru::rysujBrzeg(QPainter &p) const
{
    const QRect r = rect();
    if (m_brzeg == Brzeg::Plaski) {
        p.setPen(QColor(kKolorBrzegu));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    } else if (m_brzeg == Brzeg::Wklesly) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), QColor(kCienBrzegu));
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), QColor(kCienBrzegu));
        p.fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 2, 1), QColor(kKolorBrzegu));
        p.fillRect(QRect(r.left() + 1, r.top() + 1, 1, r.height() - 2), QColor(kKolorBrzegu));
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), QColor(kSwiatloBrzegu));
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), QColor(kSwiatloBrzegu));
    }
}

void PoleKoloru::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(m_tlo));
    rysujBrzeg(p);
}

Obrazek::Obrazek(QWidget *rodzic, const QString &nazwa, const QRect &miejsce, Brzeg brzeg,
                 const QImage *obraz, const QRect &fragment)
    : PoleKoloru(rodzic, nazwa, miejsce, kCzarny, brzeg), m_obraz(obraz), m_fragment(fragment)
{
}

void Obrazek::paintEvent(QPaintEvent *e)
{
    PoleKoloru::paintEvent(e);
    QPainter p(this);
    const int b = gruboscBrzegu();
    p.drawImage(QPoint(b, b), *m_obraz, m_fragment);
}

void Obrazek::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        emit klik();
    const int b = gruboscBrzegu();
    const QPoint punkt = e->position().toPoint() - QPoint(b, b);
    if (QRect(QPoint(0, 0), m_fragment.size()).contains(punkt))
        emit nacisniety(numerPrzycisku(e->button()), punkt);
}

void Obrazek::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        emit dwuklik();
}

SiatkaKomorek::SiatkaKomorek(QWidget *rodzic, const QString &nazwa, const QRect &miejsce,
                             const Uklad &uklad)
    : PoleKoloru(rodzic, nazwa, miejsce, kSzary), m_uklad(uklad)
{
    m_kolory.fill(kCzarny);
}

void SiatkaKomorek::pokaz(const std::array<QRgb, kKomorekZnaku> &kolory)
{
    for (int j = 0; j < kKomorekZnaku; ++j) {
        if (m_kolory[j] != kolory[j]) {
            m_kolory[j] = kolory[j];
            update(prostokatKomorki(j));
        }
    }
}

QRect SiatkaKomorek::prostokatKomorki(int j) const
{
    return QRect(m_uklad.poczatek
                     + QPoint(m_uklad.krok.width() * (j % 4), m_uklad.krok.height() * (j / 4)),
                 m_uklad.komorka);
}

int SiatkaKomorek::komorkaPod(QPoint punkt) const
{
    // Neighbouring cells share their border line; the later cell lies on top, as it is drawn.
    for (int j = kKomorekZnaku - 1; j >= 0; --j)
        if (prostokatKomorki(j).contains(punkt))
            return j;
    return -1;
}

void SiatkaKomorek::paintEvent(QPaintEvent *e)
{
    PoleKoloru::paintEvent(e);
    QPainter p(this);
    p.setPen(QColor(kCienBrzegu));
    for (int j = 0; j < kKomorekZnaku; ++j) {
        const QRect r = prostokatKomorki(j);
        if (!e->rect().intersects(r))
            continue;
        p.fillRect(r, QColor(m_kolory[j]));
        if (m_uklad.brzegi)
            p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void SiatkaKomorek::mousePressEvent(QMouseEvent *e)
{
    const int j = komorkaPod(e->position().toPoint());
    if (j >= 0)
        emit nacisnieta(j, numerPrzycisku(e->button()));
}

} // namespace edytor
