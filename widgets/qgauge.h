#pragma once
// Round speed gauge of the home screen: a segmented circular bar that follows
// the value, an over-speed band, a chrome crown, label and units captions and
// a digital readout in the centre.
//
// The bar, its over-speed part and the band all follow the gauge's own value:
// the home screen sets it from the speed of its signal snapshot on every change,
// so painting never reads data that the acquisition thread is writing.

#include <QColor>
#include <QString>
#include <QWidget>

class QLCDNumber;
class QEvent;
class QPaintEvent;
class QResizeEvent;

class QGauge : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue)
    Q_PROPERTY(double minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(double maxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(double threshold READ threshold WRITE setThreshold)
    Q_PROPERTY(int precision READ precision WRITE setPrecision)
    Q_PROPERTY(int steps READ steps WRITE setSteps)
    Q_PROPERTY(int startAngle READ startAngle WRITE setStartAngle)
    Q_PROPERTY(int endAngle READ endAngle WRITE setEndAngle)
    Q_PROPERTY(int digitCount READ digitCount WRITE setDigitCount)
    Q_PROPERTY(QString label READ label WRITE setLabel)
    Q_PROPERTY(QString units READ units WRITE setUnits)
    Q_PROPERTY(QColor foreground READ foreground WRITE setForeground)
    Q_PROPERTY(QColor background READ background WRITE setBackground)
    Q_PROPERTY(bool enableThreshold READ isThresholdEnabled WRITE setThresholdEnabled)
    Q_PROPERTY(bool enableNumericIndicator READ isNumericIndicatorEnabled WRITE setNumericIndicatorEnabled)
    Q_PROPERTY(bool circularBarEnabled READ isCircularBarEnabled WRITE setCircularBarEnabled)
    Q_PROPERTY(bool coverGlassEnabled READ isCoverGlassEnabled WRITE setCoverGlassEnabled)

public:
    enum ErrorCode {
        MaxValueError = 1,
        MinValueError = 2,
        ThresholdError = 3,
        TargetError = 4,
        PrecisionError = 5,
        ColorError = 6,
        UnitsEmpty = 7,
        OutOfRange = 8
    };
    Q_ENUM(ErrorCode)

    explicit QGauge(QWidget* parent = nullptr);
    ~QGauge() override;

    double value() const { return m_value; }
    double minValue() const { return m_minValue; }
    double maxValue() const { return m_maxValue; }
    double threshold() const { return m_threshold; }
    int precision() const { return m_precision; }
    int steps() const { return m_steps; }
    int startAngle() const { return m_startAngle; }
    int endAngle() const { return m_endAngle; }
    int barSize() const { return m_barSize; }
    // -1 while the readout's digit count follows the value.
    int digitCount() const;
    QString label() const { return m_label; }
    QString units() const { return m_units; }
    QColor foreground() const { return m_foreground; }
    QColor background() const { return m_background; }
    bool isThresholdEnabled() const { return m_thresholdEnabled; }
    bool isNumericIndicatorEnabled() const { return m_numericIndicatorEnabled; }
    bool isCircularBarEnabled() const { return m_circularBarEnabled; }
    bool isCoverGlassEnabled() const { return m_coverGlassEnabled; }

    // The centre readout (child widget, deleted with the gauge) and the text
    // it shows ("--" while the gauge is disabled: no value known).
    QLCDNumber* readout() const { return m_lcd; }
    QString readoutText() const { return m_readoutText; }

    // Number of decimal positions of n; numbers below 1 get one more
    // (0 -> 1, 99 -> 2, 100 -> 3, -5 -> 2).
    static int digits(int n);

    QSize sizeHint() const override { return QSize(240, 240); }
    QSize minimumSizeHint() const override { return QSize(80, 80); }

signals:
    void errorSignal(int code);
    void thresholdAlarm(bool over);

public slots:
    void setValue(double v);
    void setValue(int v);
    void setMinValue(double v);
    void setMinValue(int v);
    void setMaxValue(double v);
    void setMaxValue(int v);
    void setThreshold(double v);
    void setThreshold(int v);
    void setPrecision(int p);
    void setLabel(const QString& text);
    void setUnits(const QString& text);
    void setSteps(int n);
    void setStartAngle(int degrees);
    void setEndAngle(int degrees);
    void setForeground(QColor colour);
    void setBackground(QColor colour);
    void setThresholdEnabled(bool on);
    void setNumericIndicatorEnabled(bool on);
    void setCircularBarEnabled(bool on);
    void setCoverGlassEnabled(bool on);
    void setDigitCount(int n_digits);
    void setBarSize(int barSize);
    void get_speedval();
    // Test sweep: steps the value 0, 1, ... 180, 0, ... per call.
    void MyTimerSlot();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void thresholdManager();
    void applyReadoutColour();
    void showReadout(const QString& text);
    void placeReadout();

    double m_value = 0;
    double m_readoutValue = 0; // the value last set, also beyond the scale: what the readout shows
    double m_maxValue = 180;
    double m_minValue = 0;
    int m_precision = 0;
    QString m_label;
    QString m_units;
    int m_steps = 20;
    int m_barSize = 5;
    int m_startAngle = 225;
    int m_endAngle = -45;
    double m_threshold = 140;
    bool m_autodigits = true;
    bool m_thresholdEnabled = false;
    bool m_numericIndicatorEnabled = true;
    bool m_circularBarEnabled = true;
    bool m_coverGlassEnabled = false;
    QColor m_foreground = QColor(0, 120, 8);
    QColor m_background = Qt::black;
    QLCDNumber* m_lcd = nullptr;
    QString m_readoutText;
};
