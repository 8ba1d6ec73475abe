#pragma once
// The descriptor thread: reads the signal descriptor and hands its cells to
// the variable table through queued signals. It touches no widget.
//
// Signals, in this order:
//   DDU_MVB_Variable_Setup_Ready(rows, 1)   before the first cell (0 rows:
//                                           nothing could be read)
//   DDU_MVB_Variable_Ready(row, column, text) one per cell, row by row
//   DDU_MVB_Variable_Part_Ready(rows sent)  after every kRowsPerPart rows
//   DDU_MVB_Variable_Setup_Ready(rows, 2)   after the last cell
// or only DDU_MVB_Variable_Setup_Ready(0, 3) when the table was loaded before.
//
// The receiver calls partTaken() for every part it has taken in. The thread
// stays at most kPartsAhead parts ahead of it, so the GUI's event queue never
// holds more than a few thousand cells: the GUI thread works through one part
// at a time and keeps refreshing in between, however long the descriptor.
// Interrupting the thread (requestInterruption, or destroying it) ends it
// within one wait.

#include <QSemaphore>
#include <QString>
#include <QThread>

#include <atomic>

class Load_Thread : public QThread {
    Q_OBJECT
public:
    static constexpr int kRowsPerPart = 100;
    static constexpr int kPartsAhead = 2;

    // `rowsLoaded`: the rows the table already holds (Total_Table_Row_Variables).
    explicit Load_Thread(QObject* parent = nullptr, int rowsLoaded = 0);
    ~Load_Thread() override;

    // The descriptor to read (by default file/master/zav_descriptor.xml under the data root).
    void setPath(const QString& path) { m_path = path; }
    QString path() const { return m_path; }

    // Receiver side: one more part has been taken in.
    void partTaken() { m_credits.release(); }

    // After run(): rows sent, and the debug lines of what went wrong.
    int rowsSent() const { return m_rowsSent.load(); }

signals:
    void DDU_MVB_Variable_Ready(int row, int column, QString text);
    void DDU_MVB_Variable_Setup_Ready(int count, int stage);
    void DDU_MVB_Variable_Part_Ready(int rows);

protected:
    void run() override;

private:
    bool waitForReceiver();

    QString m_path;
    const int m_rowsLoaded;
    QSemaphore m_credits{kPartsAhead};
    std::atomic<int> m_rowsSent{0};
};
