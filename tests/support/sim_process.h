#pragma once
// The cab simulator as a child process: starts build/bin/ddu-sim, learns its
// pty paths from the first lines it prints, sends commands to its standard
// input and waits for lines it prints.

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTest>

class SimProcess {
public:
    ~SimProcess() { stop(); }

    bool start(const QStringList& args)
    {
        const QString bin = QString::fromLocal8Bit(qgetenv("DDU_BIN_DIR")) + QStringLiteral("/ddu-sim");
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(bin, args);
        if (!process.waitForStarted(30000))
            return false;
        if (!waitForLine(QStringLiteral("TOUCH "), 30000))
            return false;
        for (const QString& l : lines) {
            if (l.startsWith(QStringLiteral("MVB ")))
                mvb = l.mid(4).trimmed();
            else if (l.startsWith(QStringLiteral("KEYPAD ")))
                keypad = l.mid(7).trimmed();
            else if (l.startsWith(QStringLiteral("TOUCH ")))
                touch = l.mid(6).trimmed();
        }
        return !mvb.isEmpty() && !keypad.isEmpty() && !touch.isEmpty();
    }

    // Points the display's three ports at the simulator's.
    void usePorts() const
    {
        qputenv("DDU_MVB_DEVICE", mvb.toLocal8Bit());
        qputenv("DDU_KEYPAD_DEVICE", keypad.toLocal8Bit());
        qputenv("DDU_TOUCH_DEVICE", touch.toLocal8Bit());
    }

    void command(const QString& line)
    {
        process.write((line + QLatin1Char('\n')).toUtf8());
        process.waitForBytesWritten(1000);
    }

    // Waits (processing events) until the simulator printed a line starting with `prefix`.
    bool waitForLine(const QString& prefix, int timeoutMs = 30000)
    {
        QElapsedTimer t;
        t.start();
        int from = 0;
        while (t.elapsed() < timeoutMs) {
            collect();
            for (int i = from; i < lines.size(); ++i)
                if (lines[i].startsWith(prefix))
                    return true;
            from = lines.size();
            QTest::qWait(20);
        }
        return false;
    }

    // Sends a command and waits for the line it answers with.
    bool commandAndWait(const QString& line, const QString& answerPrefix)
    {
        collect();
        lines.clear();
        command(line);
        return waitForLine(answerPrefix);
    }

    void stop()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        command(QStringLiteral("quit"));
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }

    QString mvb, keypad, touch;
    QStringList lines;

private:
    void collect()
    {
        process.waitForReadyRead(0);
        buffer += QString::fromUtf8(process.readAllStandardOutput());
        int nl;
        while ((nl = buffer.indexOf(QLatin1Char('\n'))) >= 0) {
            lines << buffer.left(nl);
            buffer.remove(0, nl + 1);
        }
    }

    QProcess process;
    QString buffer;
};
