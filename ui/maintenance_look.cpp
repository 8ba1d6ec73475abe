#include "ui/maintenance_look.h"

#include "ui/resources.h"

namespace maint {

const QString kTitleStyle = QStringLiteral(
    "font: bold 22pt DejaVu Sans; color: rgb(9, 199, 237); background-color: transparent; border: none;");
const QString kDialogTitleStyle =
    QStringLiteral("font: bold 20pt DejaVu Sans; color: rgb(170, 79, 6); background-color: transparent; border: none;");
const QString kHeaderStyle =
    QStringLiteral("QHeaderView { background-color: #1d414a; border: none; }"
                   "QHeaderView::section { background-color: #1d414a; color: #9a9a9a; font: 23px Tahoma;"
                   " border: none; border-right: 1px solid rgb(0, 0, 0); }");
const QString kScrollBarStyle = QStringLiteral(
    "QScrollBar:vertical { background-color: rgb(20, 20, 20); margin: 0px; border: 1px solid rgb(40, 40, 40); }"
    "QScrollBar::handle:vertical { background-color: rgb(70, 66, 66); min-height: 30px; border-radius: 3px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; border: none; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }");
const QString kCaptionStyle =
    QStringLiteral("font: 14pt DejaVu Sans; color: #8a8a8a; background-color: transparent; border: none;");
const QString kValueStyle = QStringLiteral("font: bold 17pt DejaVu Sans; color: rgb(230, 172, 0);"
                                           " background-color: rgb(12, 12, 12); border: 1px solid rgb(50, 50, 50);"
                                           " padding-left: 8px;");
const QString kValueUnknownStyle =
    QStringLiteral("font: bold 17pt DejaVu Sans; color: #595959;"
                   " background-color: rgb(12, 12, 12); border: 1px solid rgb(50, 50, 50);"
                   " padding-left: 8px;");
const QString kDialogStyle = QStringLiteral(
    "QGroupBox { background-color: rgb(15, 15, 15); border: 2px solid rgb(170, 79, 6); border-radius: 8px; }");

QString tickBoxStyle()
{
    // Check marks 27 x 27 drawn with the tick image.
    return QStringLiteral("::indicator { width: 27px; height: 27px; border: 1px solid rgb(120, 120, 120);"
                          " background-color: rgb(20, 20, 20); }"
                          "::indicator:checked { image: url(%1); }")
        .arg(Dir_rms_img_Tick);
}

QFont tahoma(int pointSize)
{
    QFont f(QStringLiteral("Tahoma"), pointSize);
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")});
    return f;
}

} // namespace maint
