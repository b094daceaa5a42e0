#include "ui/dialogiqt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>

namespace edytor {

DialogiQt::DialogiQt(QWidget *okno) : QObject(okno), m_okno(okno)
{
    setObjectName(QStringLiteral("cdIO"));
}

QStringList DialogiQt::filtryQt(const QString &filtr)
{
    // The description is shown as given; the pattern travels in parentheses that the dialog hides.
    const QStringList czesci = filtr.split(u'|');
    QStringList filtry;
    for (qsizetype i = 0; i + 1 < czesci.size(); i += 2)
        filtry << czesci[i] + QStringLiteral(" (") + czesci[i + 1] + u')';
    return filtry;
}

std::optional<QString> DialogiQt::wybierzPlik(const PytanieOPlik &pytanie)
{
    QFileDialog dialog(m_okno);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite
                      | QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(pytanie.zapis ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(pytanie.zapis ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDirectory(pytanie.folder);
    dialog.setNameFilters(filtryQt(pytanie.filtr));
    if (!pytanie.proponowanaNazwa.isEmpty())
        dialog.selectFile(pytanie.proponowanaNazwa);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

Dialogi::Odpowiedz DialogiQt::komunikat(const QString &tekst, const QString &tytul,
                                        Przyciski przyciski, Ikona ikona)
{
    QMessageBox okno(m_okno);
    okno.setText(tekst);
    okno.setWindowTitle(tytul);
    switch (ikona) {
    case Ikona::Informacja: okno.setIcon(QMessageBox::Information); break;
    case Ikona::Ostrzezenie: okno.setIcon(QMessageBox::Warning); break;
    case Ikona::Blad: okno.setIcon(QMessageBox::Critical); break;
    }
    switch (przyciski) {
    case Przyciski::Ok: okno.setStandardButtons(QMessageBox::Ok); break;
    case Przyciski::OkAnuluj: okno.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Przyciski::TakNie: okno.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    switch (okno.exec()) {
    case QMessageBox::Ok: return Odpowiedz::Ok;
    case QMessageBox::Yes: return Odpowiedz::Tak;
    case QMessageBox::No: return Odpowiedz::Nie;
    default: return przyciski == Przyciski::TakNie ? Odpowiedz::Nie : Odpowiedz::Anuluj;
    }
}

} // namespace edytor
