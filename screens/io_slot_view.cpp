#include "screens/io_slot_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "acquisition/unknown.h"
#include "screens/table_cells.h"
#include "ui/look.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_factory.h"
#include "ui/widget_writer.h"

using namespace ui;

namespace {

const int kWidths[3] = {230, 80, 66};
constexpr int kRowHeight = 30;

// Processor buttons: name, caption, shown.
struct ProcessorButton {
    const char* name;
    const char* text;
    bool shown;
};
const ProcessorButton kButtons[8] = {
    {"ddu_flg1", "RIOM1", true}, {"ddu_hbb1", "RIOM2", true}, {"ddu_stb1", "BRIO1", true}, {"ddu_slg1", "BRIO2", true},
    {"ddu_flg2", "", false},     {"ddu_hbb2", "", false},     {"ddu_stb2", "", false},     {"ddu_slg2", "", false},
};

QWidget* child(QWidget* root, const char* name)
{
    return root->findChild<QWidget*>(QLatin1String(name));
}

void buildTable(QWidget* g, const char* name, int x)
{
    auto* t = ddu_ui::table(g, name, {x, 58, kWidths[0] + kWidths[1] + kWidths[2] + 2, io::kLines * kRowHeight + 2},
                            io::kLines, 3);
    plainTable(t, look::IoTable);
    t->setAlternatingRowColors(true);
    for (int c = 0; c < 3; ++c)
        t->setColumnWidth(c, kWidths[c]);
    for (int r = 0; r < io::kLines; ++r) {
        t->setRowHeight(r, kRowHeight);
        for (int c = 0; c < 3; ++c)
            cellItem(t, r, c, tableFont(15))->setBackground(Qt::NoBrush); // the alternate rows show through
        auto* lamp = new QLabel(t);
        lamp->setAlignment(Qt::AlignCenter);
        lamp->setStyleSheet(look::Bare);
        t->setCellWidget(r, 2, lamp);
    }
}

void buildPage(QWidget* g)
{
    using namespace ddu_ui;
    // The captions below the title's line (at the title's height they ran into it).
    label(g, "riomioinfo_header", {330, 3, 230, 30}, QString(), ui::titleStyle(18))->setAlignment(Qt::AlignCenter);
    // 28 px high: the marks of Devanagari above and below the line fit.
    label(g, "input_header", {75, 30, 250, 28}, QString(), look::IoCaption);
    label(g, "output_header", {530, 30, 250, 28}, QString(), look::IoCaption);
    buildTable(g, "input_table", 8);
    buildTable(g, "output_table", 400);
    auto* prev = button(g, "ddu_proc_prev_slot", {570, 565, 65, 55}, QString(), Key_submenu_Style);
    auto* next = button(g, "ddu_proc_next_slot", {715, 565, 65, 55}, QString(), Key_submenu_Style);
    prev->setIcon(QIcon(Dir_rms_img_ArrowLeft));
    next->setIcon(QIcon(Dir_rms_img_ArrowRight));
    prev->setIconSize(QSize(37, 37));
    next->setIconSize(QSize(37, 37));
    label(g, "riominfo_label", {640, 565, 70, 55}, QString(), look::PageNumber)->setAlignment(Qt::AlignCenter);
    QWidget* life = group(g, "Griominfo_source", {6, 565, 100, 60}, look::SourceBox);
    // The two box captions follow a change of language (ui::retranslateMarked).
    QLabel* lifeSign = label(life, "riominfo_lifesign", {0, 2, 100, 20}, QString(), look::SourceCaption);
    ui::setTranslatedText(lifeSign, "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "LIFE SIGN"));
    lifeSign->setAlignment(Qt::AlignCenter);
    label(life, "riominfo_status1", {18, 26, 28, 28});
    label(life, "riominfo_status2", {54, 26, 28, 28});
    QWidget* active = group(g, "active_source", {140, 565, 100, 60}, look::SourceBox);
    QLabel* activeName = label(active, "active_name", {0, 2, 100, 20}, QString(), look::SourceCaption);
    ui::setTranslatedText(activeName, "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "ACTIVE"));
    activeName->setAlignment(Qt::AlignCenter);
    label(active, "active_status", {36, 26, 28, 28});
}

} // namespace

IoSlotView::IoSlotView(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("ioSlotView"));
    for (auto& side : m_lamp)
        std::fill(std::begin(side), std::end(side), -1);
}

void IoSlotView::build(QWidget* root)
{
    if (QWidget* g = child(root, "Gmaint_riom_info")) {
        opaqueGroup(g);
        buildPage(g);
    }
    if (QWidget* column = child(root, "Gmaint_vcumenu")) {
        opaqueGroup(column);
        column->setStyleSheet(look::MenuColumn);
        for (int k = 0; k < 8; ++k) {
            auto* b = ddu_ui::button(column, kButtons[k].name, {5, 5 + 55 * k, 217, 50},
                                     QLatin1String(kButtons[k].text), Key_submenu_Style);
            b->setVisible(kButtons[k].shown);
        }
    }
}

QStringList IoSlotView::widgetNames()
{
    QStringList names;
#define IO_NAME(type, n) names << QStringLiteral(#n);
    IO_WIDGETS(IO_NAME)
#undef IO_NAME
    return names;
}

QStringList IoSlotView::resolve(QWidget* root)
{
    QStringList missing;
#define IO_RESOLVE(type, n) findWidget(root, n, #n, missing);
    IO_WIDGETS(IO_RESOLVE)
#undef IO_RESOLVE
    QTableWidget* tables[2] = {input_table, output_table};
    for (int k = 0; k < 2; ++k)
        for (int r = 0; tables[k] && r < io::kLines; ++r)
            m_lamps[k][r] = qobject_cast<QLabel*>(tables[k]->cellWidget(r, 2));
    putImage(riominfo_status1, Dir_rms_img_LEDSmallGray);
    putImage(riominfo_status2, Dir_rms_img_LEDSmallOrange);
    return missing;
}

void IoSlotView::layoutProcessorColumn(int selected)
{
    QAbstractButton* buttons[8] = {ddu_flg1, ddu_hbb1, ddu_stb1, ddu_slg1, ddu_flg2, ddu_hbb2, ddu_stb2, ddu_slg2};
    for (int k = 0; k < 8; ++k) {
        if (!buttons[k])
            continue;
        if (kButtons[k].shown && buttons[k]->text() != QLatin1String(kButtons[k].text))
            buttons[k]->setText(QLatin1String(kButtons[k].text));
        // The processor shown keeps the "selected" look (the keypad frame is drawn over it).
        const bool marked = k == selected - 1;
        buttons[k]->setProperty("dduSelected", marked);
        putStyle(buttons[k], marked ? Key_submenu_select_Style : Key_submenu_Style);
    }
}

// ================================================================ page

bool IoSlotView::showPage(int processor, int slot, const SignalStore& s)
{
    const io::Processor* p = io::processor(processor);
    if (!p || slot < 1 || slot > 3)
        return false;
    DDU_Maintenace_Processor_Slot = slot;
    if (processor == DDU_Maintenace_Selected_Processor_old && slot == DDU_Maintenace_Processor_Slot_old)
        return false;
    putText(riomioinfo_header, ui::trScreen(p->title));
    putText(riominfo_label, QStringLiteral("%1/3").arg(slot));
    putShown(active_source, processor == 1); // only RIOM1 shows the control processors' activity
    m_page = &p->pages[slot - 1];
    layoutSide(input_table, input_header, m_page->left);
    refreshSide(input_table, 0, m_page->left, s);
    layoutSide(output_table, output_header, m_page->right);
    refreshSide(output_table, 1, m_page->right, s);
    DDU_Maintenace_Selected_Processor_old = processor;
    DDU_Maintenace_Processor_Slot_old = slot;
    return true;
}

void IoSlotView::layoutSide(QTableWidget* t, QLabel* caption, const io::Side& side)
{
    putText(caption, ui::trScreen(side.caption));
    if (!t)
        return;
    const QString dash = QStringLiteral("-");
    for (int r = 0; r < io::kLines; ++r) {
        const bool listed = r < side.lineCount;
        putCellTextFitted(t->item(r, 0), listed ? QString::fromLatin1(side.lines[r].name) : dash, kWidths[0], 15);
        putCellTextFitted(t->item(r, 1), listed ? QString::fromLatin1(side.lines[r].pin) : dash, kWidths[1], 15);
        QTableWidgetItem* state = t->item(r, 2);
        putCellText(state, side.source == io::Source::Digital && r < side.count ? QString() : dash);
        putCellColours(state, kCellText, kCellBackground);
        if (state)
            state->setBackground(Qt::NoBrush);
    }
    const int index = t == input_table ? 0 : 1;
    for (int r = 0; r < io::kLines; ++r) {
        putImage(m_lamps[index][r], QString());
        m_lamp[index][r] = -1;
    }
}

void IoSlotView::refresh(const SignalStore& s)
{
    if (!m_page)
        return;
    refreshSide(input_table, 0, m_page->left, s);
    refreshSide(output_table, 1, m_page->right, s);
}

void IoSlotView::refreshSide(QTableWidget* t, int index, const io::Side& side, const SignalStore& s)
{
    if (!t)
        return;
    if (side.source == io::Source::Analog) {
        const QString* texts = side.analog(s);
        for (int r = 0; r < side.count && r < io::kLines; ++r)
            putCellValue(t->item(r, 2), texts[side.first + r]);
        return;
    }
    if (side.source != io::Source::Digital)
        return;
    const int* states = side.digital(s);
    for (int r = 0; r < side.count && r < io::kLines; ++r) {
        const int state = states[side.first + r];
        if (state == m_lamp[index][r] || state < 0 || state > 2)
            continue; // unchanged, or a value that is no state: the lamp stays
        putImage(m_lamps[index][r],
                 state == 1       ? Dir_rms_img_LEDSmallLongGreen
                     : state == 0 ? Dir_rms_img_LEDSmallLongGray
                                  : Dir_rms_img_LEDSmallLongNoMVB);
        m_lamp[index][r] = state;
    }
}

QString IoSlotView::lampOf(bool right, int line) const
{
    const QLabel* l = line >= 0 && line < io::kLines ? m_lamps[right ? 1 : 0][line] : nullptr;
    return l ? l->property("image").toString() : QString();
}

// ================================================================ life sign

void IoSlotView::refreshLifeSign(const SignalStore& s, int processor)
{
    const io::LifeSign life = io::lifeSign(s, processor);
    if (!life.known) {
        putImage(riominfo_status1, Dir_rms_img_LEDSmallNoMVB);
        putImage(riominfo_status2, Dir_rms_img_LEDSmallNoMVB);
    } else if (life.flag == 1) {
        const bool phase = DDU_Processor_Toggle == 1;
        putImage(riominfo_status1, phase ? Dir_rms_img_LEDSmallOrange : Dir_rms_img_LEDSmallGray);
        putImage(riominfo_status2, phase ? Dir_rms_img_LEDSmallGray : Dir_rms_img_LEDSmallOrange);
    }
    if (processor == 1) {
        const int a = s.MVB_DDU_FLG1_Active, b = s.MVB_DDU_FLG2_Active;
        putImage(active_status,
                 a == 2 || b == 2       ? Dir_rms_img_LEDSmallNoMVB
                     : a == 0 && b == 0 ? Dir_rms_img_LEDSmallGreen
                                        : Dir_rms_img_LEDSmallGray);
    }
    DDU_Processor_Toggle = DDU_Processor_Toggle == 1 ? 0 : 1;
}
