// The "DRIVER DETAILS" and "FUTURE" screens of the main menu.
//
// Driver details: eight rows, label and value, read from file/fault/
// Driver_Details when the screen opens. A touch on a value opens the
// on-screen keyboard (rows 0 to 4 with keyboard stages 1 to 5, Division and
// Railway Zone with stages 8 and 9; stage 7 is the signal search); the
// sign-in row takes the current date and time. Typed text holding "," or "#"
// (the separators of the file's line) or a line break is refused with a
// message and the cell keeps its value; text beyond driver::kMaxFieldLength
// is cut, with a message. SAVE stores the eight values (driver::writeFile).

#include "maintenance/driver_screen.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QLabel>
#include <QTableWidget>

#include "platform/platform.h"
#include "ui/look.h"
#include "ui/translated_text.h"

namespace {

const QString kDriverFile = QStringLiteral("file/fault/Driver_Details");

const char* const kRowLabels[driver::kFieldCount] = {
    QT_TRANSLATE_NOOP("MainWindow", " DRIVER NAME/ID"),   QT_TRANSLATE_NOOP("MainWindow", " TRAIN NAME"),
    QT_TRANSLATE_NOOP("MainWindow", " TRAIN LOAD TONS"),  QT_TRANSLATE_NOOP("MainWindow", " ORIGIN CODE"),
    QT_TRANSLATE_NOOP("MainWindow", " DESTINATION CODE"), QT_TRANSLATE_NOOP("MainWindow", " SIGN IN TIME/DATE"),
    QT_TRANSLATE_NOOP("MainWindow", " Division"),         QT_TRANSLATE_NOOP("MainWindow", " Railway Zone"),
};

constexpr int kSignInRow = 5;

// Keyboard stage of a value row typed on the keyboard; 0 for the sign-in row.
int keypadStageOfRow(int row)
{
    if (row >= 0 && row < kSignInRow)
        return row + 1;
    if (row == 6 || row == 7)
        return row + 2;
    return 0;
}

int rowOfKeypadStage(int stage)
{
    if (stage >= 1 && stage <= kSignInRow)
        return stage - 1;
    if (stage == 8 || stage == 9)
        return stage - 2;
    return -1;
}

// A value in 20 pt, or smaller down to 12 pt when it would not fit its cell
// (the sign-in date and time, a long name).
QFont valueFont(const QString& text)
{
    constexpr int kCellText = 288; // the 300 pixel column less its margins
    QFont f(QStringLiteral("DejaVu Sans"), 20);
    while (f.pointSize() > 12 && QFontMetrics(f).horizontalAdvance(text) > kCellText)
        f.setPointSize(f.pointSize() - 1);
    return f;
}

QTableWidgetItem* valueItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFont(valueFont(text));
    item->setForeground(QColor(0x66, 0x66, 0x66));
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

DriverDetailsScreen::DriverDetailsScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "driver details", parent)
{
}

// ---------------------------------------------------------------- the file

// The header of the menu frame: centred left of its back and home keys (the
// serif face would run under them from the usual places).
void DriverDetailsScreen::menuFrameHeader(const QString& text)
{
    ui::placeMenuHeader(W<QLabel>(QStringLiteral("menuscreen_header")), text, 26, host.hindi());
}

void DriverDetailsScreen::DriverDetail_ReadFile()
{
    if (driver::readFile(platform::dataPath(kDriverFile), driverDetails) == driver::ReadResult::Unreadable)
        qDebug() << "Unable to open DDS Fault file";
}

bool DriverDetailsScreen::Driver_Details_File(QString* reason)
{
    const QString path = platform::dataPath(kDriverFile);
    QDir().mkpath(QFileInfo(path).path());
    QString error;
    if (!driver::writeFile(path, driverDetails, &error)) {
        qDebug().noquote() << "driver details not written:" << error;
        if (reason)
            *reason = error;
        return false;
    }
    return true;
}

bool DriverDetailsScreen::DriverDetail_File(const QString& line)
{
    driver::DriverDetails d;
    if (!driver::parseLine(line, d))
        return false;
    driverDetails = d;
    return Driver_Details_File();
}

// ---------------------------------------------------------------- screen

void DriverDetailsScreen::on_dr_details_clicked()
{
    dr_details();
}

void DriverDetailsScreen::dr_details()
{
    host.hideScreens();
    host.serveScreen(screen::MainMenu); // a screen of the menu frame
    if (QWidget* g = W(QStringLiteral("Gmenu_drdetails"))) {
        g->setGeometry(175, 53, 674, 525);
        g->show();
        g->raise();
    }
    if (auto* save = W<QAbstractButton>(QStringLiteral("save_btn"))) {
        save->setGeometry(567, 486, 80, 35);
        save->setText(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "SAVE")));
    }
    host.showMenuFrame();
    menuFrameHeader(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "DRIVER DETAILS")));
    DriverDetail_ReadFile();
    fillDriverTable();
    host.drawKeyFocus();
}

void DriverDetailsScreen::fillDriverTable()
{
    auto* t = W<QTableWidget>(QStringLiteral("t_mdrdetails"));
    if (!t)
        return;
    const bool hindi = host.hindi();
    const QFont labelFont =
        hindi ? QFont(QStringLiteral("Lohit-Devanagari"), 23) : QFont(QStringLiteral("DejaVu Sans"), 20);
    for (int r = 0; r < driver::kFieldCount && r < t->rowCount(); ++r) {
        auto* label = new QTableWidgetItem(ui::trScreen(kRowLabels[r]));
        label->setFont(labelFont);
        label->setForeground(QColor(0x66, 0x66, 0x66));
        label->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        t->setItem(r, 0, label);
        t->setItem(r, 1, valueItem(driverDetails.field(r)));
    }
}

void DriverDetailsScreen::on_t_mdrdetails_cellClicked(int row, int column)
{
    auto* t = W<QTableWidget>(QStringLiteral("t_mdrdetails"));
    if (!t || column != 1)
        return;
    if (row == kSignInRow) {
        t->setItem(row, 1, valueItem(QDateTime::currentDateTime().toString(QStringLiteral("dd-MMM-yyyy HH:mm:ss"))));
        return;
    }
    const int stage = keypadStageOfRow(row);
    if (stage == 0)
        return;
    host.openKeyboard(stage, [this](int typedStage, const QString& text) { driverDetailTyped(typedStage, text); });
}

void DriverDetailsScreen::driverDetailTyped(int stage, const QString& text)
{
    const int row = rowOfKeypadStage(stage);
    auto* t = W<QTableWidget>(QStringLiteral("t_mdrdetails"));
    if (row < 0 || !t || !isShown(QStringLiteral("Gmenu_drdetails")))
        return;
    const driver::FieldInput in = driver::checkField(text);
    if (in.refused) {
        host.message(ui::trScreen(QT_TRANSLATE_NOOP(
                         "MainWindow", "Driver details cannot hold \",\" or \"#\".\nThe entry was not taken.")),
                     1);
        return;
    }
    t->setItem(row, 1, valueItem(in.text));
    if (in.shortened)
        host.message(
            ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Entry cut to %1 characters.")).arg(driver::kMaxFieldLength),
            2);
}

void DriverDetailsScreen::on_save_btn_clicked()
{
    auto* t = W<QTableWidget>(QStringLiteral("t_mdrdetails"));
    if (!t)
        return;
    driver::DriverDetails d;
    for (int r = 0; r < driver::kFieldCount; ++r)
        d.field(r) = t->item(r, 1) ? t->item(r, 1)->text() : QString();
    const int bad = driver::firstBadField(d);
    if (bad >= 0) {
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "%1 holds \",\" or \"#\".\nNot saved."))
                         .arg(ui::trScreen(kRowLabels[bad]).trimmed()),
                     1);
        return;
    }
    driverDetails = d;
    QString reason;
    if (Driver_Details_File(&reason))
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "File Saved")), 2);
    else
        host.message(host.fileNotSavedText(reason), 1);
}

// ---------------------------------------------------------------- future

void DriverDetailsScreen::on_future_clicked()
{
    future();
}

void DriverDetailsScreen::future()
{
    host.hideScreens();
    host.serveScreen(screen::MainMenu);
    if (QWidget* g = W(QStringLiteral("Gmenu_future"))) {
        g->setGeometry(175, 53, 674, 525);
        g->show();
        g->raise();
    }
    host.showMenuFrame();
    const bool hindi = host.hindi();
    menuFrameHeader(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "FUTURE")));
    if (auto* l = W<QLabel>(QStringLiteral("l_futnotimplement"))) {
        l->setText(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "NOT IMPLEMENTED PRESENTLY")));
        l->setStyleSheet(hindi ? cfglook::kFutureStyleHindi : cfglook::kFutureStyle);
        l->setGeometry(hindi ? QRect(205, 250, 400, 40) : QRect(160, 250, 400, 30));
    }
    host.drawKeyFocus();
}
