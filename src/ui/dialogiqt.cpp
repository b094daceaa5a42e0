#include "ui/dialogiqt.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QMessageBox>
#include <QTreeView>
#include <QWidget>

namespace edytor {

namespace {

/**
 * The dialog's file list with sizes and dates in Polish: Qt's file model writes them in the
 * system's language, whatever translations are loaded.
 */
class PolskaListaPlikow : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &indeks, int rola) const override
    {
        const auto *pliki = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (rola != Qt::DisplayRole || !pliki || (indeks.column() != 1 && indeks.column() != 3))
            return QIdentityProxyModel::data(indeks, rola);
        const QFileInfo info = pliki->fileInfo(mapToSource(indeks));
        if (indeks.column() == 3)
            return QLocale().toString(info.lastModified(), QStringLiteral("d.MM.yyyy HH:mm"));
        return info.isDir() ? QString() : DialogiQt::rozmiarPliku(info.size());
    }
};

/** "Description|pattern|Description|pattern" as the name filters of Qt's file dialog. */
QStringList filtryQt(const QString &filtr)
{
    // The description is shown as given; the pattern travels in parentheses that the dialog hides.
    // "*.*" goes as "*": with a pattern that has an extension, Qt's save dialog would put that
    // extension, a literal "*", into the typed name when the filter is chosen.
    const QStringList czesci = filtr.split(u'|');
    QStringList filtry;
    for (qsizetype i = 0; i + 1 < czesci.size(); i += 2)
        filtry << czesci[i] + QStringLiteral(" (")
                      + (czesci[i + 1] == QStringLiteral("*.*") ? QStringLiteral("*") : czesci[i + 1]) + u')';
    return filtry;
}

} // namespace

DialogiQt::DialogiQt(QWidget *okno) : QObject(okno), m_okno(okno)
{
    setObjectName(QStringLiteral("cdIO"));
}

QString DialogiQt::rozmiarPliku(qint64 bajty)
{
    if (bajty >= 1024)
        return QLocale().formattedDataSize(bajty, 1, QLocale::DataSizeTraditionalFormat);
    const qint64 jednosci = bajty % 10, dziesiatki = bajty % 100 / 10;
    const char16_t *slowo = bajty == 1 ? u"bajt" : jednosci >= 2 && jednosci <= 4 && dziesiatki != 1 ? u"bajty" : u"bajtów";
    return QString::number(bajty) + u' ' + QString::fromUtf16(slowo);
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
    dialog.setProxyModel(new PolskaListaPlikow(&dialog));
    // Wide enough for every column of the detailed list to read whole.
    dialog.resize(760, 460);
    // QFileDialog offers no public way to its views or their headers; Qt names its detailed list so.
    if (auto *lista = dialog.findChild<QTreeView *>(QStringLiteral("treeView")))
        lista->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
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
    okno.setIcon(ikona == Ikona::Informacja ? QMessageBox::Information
                 : ikona == Ikona::Ostrzezenie ? QMessageBox::Warning : QMessageBox::Critical);
    okno.setStandardButtons(przyciski == Przyciski::Ok ? QMessageBox::StandardButtons(QMessageBox::Ok)
                            : przyciski == Przyciski::OkAnuluj ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Yes | QMessageBox::No);
    switch (okno.exec()) {
    case QMessageBox::Ok: return Odpowiedz::Ok;
    case QMessageBox::Yes: return Odpowiedz::Tak;
    case QMessageBox::No: return Odpowiedz::Nie;
    default: return przyciski == Przyciski::TakNie ? Odpowiedz::Nie : Odpowiedz::Anuluj;
    }
}

} // namespace edytor
