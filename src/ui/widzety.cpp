#include "ui/widzety.h"

#include <QMouseEvent>
#include <QPainter>

namespace edytor {

namespace {

constexpr QRgb kKolorBrzegu = qRgb(64, 64, 64);
constexpr QRgb kCienBrzegu = qRgb(128, 128, 128);
constexpr QRgb kSwiatloBrzegu = qRgb(255, 255, 255);

} // namespace

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

namespace {

/** A one-pixel outline as four filled strips: far cheaper than a stroked rectangle. */
void obrys(QPainter &p, const QRect &r, const QColor &kolor)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), kolor);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), kolor);
    p.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), kolor);
    p.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), kolor);
}

} // namespace

void PoleKoloru::rysujBrzeg(QPainter &p) const
{
    const QRect r = rect();
    if (m_brzeg == Brzeg::Plaski) {
        obrys(p, r, QColor(kKolorBrzegu));
    } else if (m_brzeg == Brzeg::Wklesly) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), QColor(kCienBrzegu));
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), QColor(kCienBrzegu));
        p.fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 2, 1), QColor(kKolorBrzegu));
        p.fillRect(QRect(r.left() + 1, r.top() + 1, 1, r.height() - 2), QColor(kKolorBrzegu));
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), QColor(kSwiatloBrzegu));
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), QColor(kSwiatloBrzegu));
    }
}

void PoleKoloru::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(m_tlo));
    rysujZawartosc(p, e->rect());
    rysujBrzeg(p);
}

Obrazek::Obrazek(QWidget *rodzic, const QString &nazwa, const QRect &miejsce, Brzeg brzeg,
                 const QImage *obraz, const QRect &fragment)
    : PoleKoloru(rodzic, nazwa, miejsce, kCzarny, brzeg), m_obraz(obraz), m_fragment(fragment) {}

void Obrazek::rysujZawartosc(QPainter &p, const QRect &)
{
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
        emit nacisniety(punkt);
}

void Obrazek::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        emit dwuklik();
}

void Ramka::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QFontMetrics miara = fontMetrics();
    const QRect r = rect().adjusted(0, miara.height() / 2, 0, 0);
    obrys(p, r.adjusted(0, 0, -1, -1), palette().color(QPalette::Mid));
    obrys(p, r.adjusted(1, 1, 0, 0), palette().color(QPalette::Light));
    const QRect napis(8, 0, miara.horizontalAdvance(title()) + 4, miara.height());
    p.fillRect(napis, palette().window());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(napis, Qt::AlignCenter, title());
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

void SiatkaKomorek::rysujZawartosc(QPainter &p, const QRect &obszar)
{
    for (int j = 0; j < kKomorekZnaku; ++j) {
        const QRect r = prostokatKomorki(j);
        if (!obszar.intersects(r))
            continue;
        p.fillRect(r, QColor(m_kolory[j]));
        if (m_uklad.brzegi)
            obrys(p, r, QColor(kCienBrzegu));
    }
}

void SiatkaKomorek::mousePressEvent(QMouseEvent *e)
{
    // Neighbouring cells share their border line; the later cell lies on top, as it is drawn.
    for (int j = kKomorekZnaku - 1; j >= 0; --j) {
        if (prostokatKomorki(j).contains(e->position().toPoint())) {
            emit nacisnieta(j, e->button());
            return;
        }
    }
}

} // namespace edytor
