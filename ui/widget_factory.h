#pragma once
// Small helpers that build named widgets with fixed geometry. Every widget
// gets its object name, which the slots (on_<name>_clicked), the navigation
// tables and the tests use to find it.

#include <QGroupBox>
#include <QHeaderView>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace ddu_ui {

template <class T> T* named(T* w, const char* name, const QRect& geometry)
{
    w->setObjectName(QLatin1String(name));
    w->setGeometry(geometry);
    return w;
}

inline QGroupBox* group(QWidget* parent, const char* name, const QRect& g, const QString& style = QString())
{
    auto* b = named(new QGroupBox(parent), name, g);
    b->setFlat(true);
    if (!style.isEmpty())
        b->setStyleSheet(style);
    return b;
}

inline QPushButton* button(QWidget* parent, const char* name, const QRect& g, const QString& text = QString(),
                           const QString& style = QString())
{
    auto* b = named(new QPushButton(text, parent), name, g);
    b->setFocusPolicy(Qt::NoFocus);
    if (!style.isEmpty())
        b->setStyleSheet(style);
    return b;
}

inline QLabel* label(QWidget* parent, const char* name, const QRect& g, const QString& text = QString(),
                     const QString& style = QString())
{
    auto* l = named(new QLabel(text, parent), name, g);
    if (!style.isEmpty())
        l->setStyleSheet(style);
    return l;
}

inline QLCDNumber* lcd(QWidget* parent, const char* name, const QRect& g, int digits = 3)
{
    auto* l = named(new QLCDNumber(digits, parent), name, g);
    l->setSegmentStyle(QLCDNumber::Flat);
    l->setFrameShape(QFrame::NoFrame);
    return l;
}

inline QTableWidget* table(QWidget* parent, const char* name, const QRect& g, int rows = 0, int columns = 0)
{
    auto* t = named(new QTableWidget(rows, columns, parent), name, g);
    t->setFocusPolicy(Qt::NoFocus);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->setStyleSheet(QStringLiteral("QTableWidget { background-color: rgb(0, 0, 0); color: rgb(102, 102, 102);"
                                    " gridline-color: rgb(50, 50, 50); border: 1px solid rgb(50, 50, 50); }"));
    return t;
}

inline QRadioButton* radio(QWidget* parent, const char* name, const QRect& g, const QString& text)
{
    auto* r = named(new QRadioButton(text, parent), name, g);
    r->setFocusPolicy(Qt::NoFocus);
    return r;
}

} // namespace ddu_ui
