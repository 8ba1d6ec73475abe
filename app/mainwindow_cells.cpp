// The table cell writer the maintenance and diagnosis tables share, and the
// texts of a failed save in the language shown. (The message box is
// screens/message_box_screen.)

#include "app/mainwindow.h"

#include <QCoreApplication>
#include <QTableWidget>

QString MainWindow::fileNotSavedText(const QString& reason) const
{
    return tr("File not saved: %1").arg(QCoreApplication::translate("QObject", reason.toUtf8().constData()));
}

QString MainWindow::configurationNotSavedText(const QString& reason) const
{
    return tr("Configuration not saved: %1").arg(QCoreApplication::translate("QObject", reason.toUtf8().constData()));
}

void MainWindow::XML_Insert_Data(int row, int column, int format, int table, const QString& text)
{
    enum class Look { Plain, Centred, LeftMiddle };
    QString tableName;
    Look look = Look::Plain;
    switch (table) {
    case 1: // freshness
        if (format < 0 || format > 2)
            return;
        tableName = QStringLiteral("tmvbfreshness");
        look = Look::Centred;
        break;
    case 2: // subsystem messages
        if (format < 0 || format > 3)
            return;
        tableName = QStringLiteral("t_browseloco");
        look = format == 3 ? Look::LeftMiddle : Look::Centred;
        break;
    case 3: // telegram
        if (format < 0 || format > 2)
            return;
        tableName = QStringLiteral("tmvbtelegram");
        look = format == 0 ? Look::Centred : Look::Plain;
        break;
    case 4: // variable list
        if (format < 1 || format > 7)
            return;
        tableName = QStringLiteral("t_mvbvar");
        look = Look::Plain;
        break;
    case 5: // monitored variables: entries 0..9 left, 10.. right
        if (format < 0 || format > 1 || row < 0)
            return;
        if (row < 10) {
            tableName = QStringLiteral("t_mvbvarsel1");
        } else {
            tableName = QStringLiteral("t_mvbvarsel2");
            row -= 10;
        }
        look = format == 0 ? Look::LeftMiddle : Look::Centred;
        break;
    case 6: // diagnosis list: the message column left, the others centred
        if (format < 0 || format > 8)
            return;
        tableName = QStringLiteral("t_diagnosis");
        look = format == 3 ? Look::LeftMiddle : Look::Centred;
        break;
    default: return;
    }
    auto* t = W<QTableWidget>(tableName);
    if (!t || row < 0 || column < 0 || row >= t->rowCount() || column >= t->columnCount())
        return;
    auto* item = new QTableWidgetItem(text);
    if (look != Look::Plain) {
        item->setFont(QFont(QStringLiteral("Tahoma"), 18));
        item->setForeground(QColor(0x66, 0x66, 0x66));
        item->setBackground(QColor(0, 0, 0));
        item->setTextAlignment(look == Look::Centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    }
    t->setItem(row, column, item);
}
