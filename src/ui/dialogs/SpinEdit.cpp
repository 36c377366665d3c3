#include "ui/dialogs/SpinEdit.h"

#include "platform/Desktop.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace {
QToolButton* makeArrow(QWidget* parent, Qt::ArrowType arrow, const QString& name,
                       const QString& accessibleName) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The arrow keys of the text box do the same, so the buttons need not take the focus.
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(accessibleName);
    // The pair shares the height of the text box, whatever the style would like.
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    button->setMinimumHeight(0);
    button->setFixedWidth(16);
    return button;
}
} // namespace

SpinEdit::SpinEdit(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::NoFrame);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit"));
    m_edit->setText(QStringLiteral("0"));
    m_edit->installEventFilter(this);
    layout->addWidget(m_edit, 1);

    m_upDown = new QWidget(this);
    m_upDown->setObjectName(QStringLiteral("UpDown"));
    auto* arrows = new QVBoxLayout(m_upDown);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    m_upButton =
        makeArrow(m_upDown, Qt::UpArrow, QStringLiteral("UpButton"), QStringLiteral("Увеличить"));
    m_downButton = makeArrow(m_upDown, Qt::DownArrow, QStringLiteral("DownButton"),
                             QStringLiteral("Уменьшить"));
    arrows->addWidget(m_upButton);
    arrows->addWidget(m_downButton);
    layout->addWidget(m_upDown);

    setFocusProxy(m_edit);
    setFocusPolicy(Qt::StrongFocus);

    connect(m_edit, &QLineEdit::textChanged, this, [this] { EditChange(); });
    connect(m_upButton, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_downButton, &QToolButton::clicked, this, [this] { Step(-1); });

    SetEnabled(true);
    SetMinValue(1);
    SetMaxValue(100);
    SetValue(1);
    SetIncrement(1);
}

SpinEdit::~SpinEdit() = default;

void SpinEdit::SetMinValue(int value) {
    m_minValue = value;
    if (!Loading())
        SetValue(m_value);
}

void SpinEdit::SetMaxValue(int value) {
    m_maxValue = value;
    if (!Loading())
        SetValue(m_value);
}

void SpinEdit::SetValue(int value) {
    if (Loading()) {
        m_value = value;
        ShowValue();
        return;
    }
    const int old = m_value;
    // The maximum is tested first, so with the bounds crossed the value sits at the maximum.
    if (value > m_maxValue)
        m_value = m_maxValue;
    else if (value < m_minValue)
        m_value = m_minValue;
    else
        m_value = value;
    ShowValue();
    if (m_value != old)
        Q_EMIT ValueChange();
}

void SpinEdit::ShowValue() {
    const QString text = QString::number(m_value);
    if (m_edit->text() == text)
        return;
    // Our own assignment must not come back as typing.
    const bool was = m_settingText;
    m_settingText = true;
    m_edit->setText(text);
    m_settingText = was;
}

void SpinEdit::SetIncrement(int value) {
    m_increment = value;
}

void SpinEdit::SetEnabled(bool enabled) {
    m_enabled = enabled;
    m_edit->setEnabled(enabled);
    m_upDown->setEnabled(enabled);
}

void SpinEdit::BeginLoad() {
    ++m_loading;
}

void SpinEdit::EndLoad() {
    if (m_loading > 0)
        --m_loading;
}

void SpinEdit::Step(int direction) {
    if (!m_enabled)
        return;
    const qint64 next = qint64{m_value} + qint64{direction < 0 ? -1 : 1} * m_increment;
    SetValue(static_cast<int>(std::clamp<qint64>(next, std::numeric_limits<int>::min(),
                                                 std::numeric_limits<int>::max())));
}

void SpinEdit::setAccessibleName(const QString& name) {
    QFrame::setAccessibleName(name);
    m_edit->setAccessibleName(name);
}

QSize SpinEdit::sizeHint() const {
    return {105, std::max(21, m_edit->sizeHint().height())};
}

void SpinEdit::EditChange() {
    if (m_settingText || Loading())
        return;
    bool ok = false;
    const int typed = m_edit->text().toInt(&ok, 10);
    // Setting the value also writes its decimal form back, which normalises the text after every
    // keystroke: out-of-range numbers become the bound, leading zeros go, and an emptied box shows
    // the current value again.
    SetValue(ok ? typed : m_value);
    ShowValue();
}

bool SpinEdit::EditKeyPress(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        Step(1);
        return true;
    case Qt::Key_Down:
        Step(-1);
        return true;
    // Dialog keys reach the dialog: Enter presses the default button, Esc cancels.
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    // Shortcuts (copy, paste, select all, a page's Alt letter) are not characters typed into the
    // box; whatever they paste is normalised by EditChange.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    // Keys that type no character edit as in any text box: cursor movement, Home, End, and
    // Backspace and Delete, whose texts are the control characters "\b" and "\x7f".
    const QString text = event->text();
    if (text.isEmpty() || text.at(0).category() == QChar::Other_Control)
        return false;
    const QChar c = text.at(0);
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return false;
    AppDesktop().Beep();
    return true;
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::KeyPress)
        return EditKeyPress(static_cast<QKeyEvent*>(event));
    return QFrame::eventFilter(watched, event);
}
