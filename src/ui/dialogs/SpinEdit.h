#pragma once

#include <QFrame>
#include <QString>

class QEvent;
class QKeyEvent;
class QLineEdit;
class QToolButton;

// An integer spin edit: a text box with an up-down arrow pair beside it that holds a whole number
// between MinValue and MaxValue and never shows anything else. Designer forms promote a QFrame to
// it and set its properties with stdset="0", in the order MinValue, MaxValue, Value, Increment.
class SpinEdit : public QFrame {
    Q_OBJECT
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int Value READ Value WRITE SetValue NOTIFY ValueChange)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int Increment READ Increment WRITE SetIncrement)

public:
    explicit SpinEdit(QWidget* parent = nullptr);
    ~SpinEdit() override;

    int MinValue() const { return m_minValue; }
    int MaxValue() const { return m_maxValue; }
    int Value() const { return m_value; }
    int Increment() const { return m_increment; }
    bool Enabled() const { return m_enabled; }

    // Each bound is stored, then the value is set to itself again so that it is clamped into the
    // new range (not while loading).
    void SetMinValue(int value);
    void SetMaxValue(int value);
    // Clamps (the maximum is tested first), shows the value, and raises ValueChange only when the
    // value really changed. While loading the value is stored as given, without an event.
    void SetValue(int value);
    void SetIncrement(int value);
    // Enables or disables the text box and the arrows together; the frame itself stays enabled.
    void SetEnabled(bool enabled);

    // Loading mode: values are taken as given, as a stored design is read in, and nothing is
    // clamped or reported until EndLoad.
    void BeginLoad();
    void EndLoad();
    bool Loading() const { return m_loading > 0; }

    // One arrow step: direction +1 up, -1 down, by Increment and within the bounds.
    void Step(int direction);

    QLineEdit* Edit() const { return m_edit; }
    QWidget* UpDown() const { return m_upDown; }
    QToolButton* UpButton() const { return m_upButton; }
    QToolButton* DownButton() const { return m_downButton; }

    // Designer sets the accessible name on the frame, but the text box is what takes the focus and
    // what a screen reader announces, so it carries the name too.
    void setAccessibleName(const QString& name);

    QSize sizeHint() const override;

Q_SIGNALS:
    void ValueChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EditChange();
    // True when the key is swallowed.
    bool EditKeyPress(QKeyEvent* event);
    void ShowValue();

    QLineEdit* m_edit = nullptr;
    QWidget* m_upDown = nullptr;
    QToolButton* m_upButton = nullptr;
    QToolButton* m_downButton = nullptr;
    int m_minValue = 0;
    int m_maxValue = 0;
    int m_value = 0;
    int m_increment = 1;
    bool m_enabled = true;
    int m_loading = 0;
    bool m_settingText = false;
};
