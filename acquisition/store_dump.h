#pragma once
// The whole signal store as text: one (name, value) pair per member, sorted by
// name. Numbers plain, texts as JSON strings, arrays as JSON arrays.

#include <QList>
#include <QPair>
#include <QString>

#include "acquisition/signal_store.h"

QList<QPair<QString, QString>> dumpSignalStore(const SignalStore& store);
QString jsonString(const QString& text);
