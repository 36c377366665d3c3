#include "platform/FontColorDialog.h"

#include "core/Messages.h"
#include "platform/Colors.h"

#include <QBoxLayout>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QSizeGrip>
#include <iterator>

namespace {

// The toolkit's font chooser living inside this dialog. As a dialog of its own it would take
// Escape and Enter for itself and hide; here they go on to the dialog around it.
class EmbeddedFontChooser final : public QFontDialog {
public:
    explicit EmbeddedFontChooser(QWidget* parent) : QFontDialog(parent) {
        setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        setWindowFlags(Qt::Widget);
        setSizeGripEnabled(false);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
};

// The name a colour outside the basic sixteen goes by: a system colour's own name, or "Другой
// цвет" for any explicit one.
QString extraColorName(int value) {
    if (IsSystemColor(value)) {
        const auto n = static_cast<unsigned>(value) & 0xFFu;
        if (n < std::size(Messages::SystemColorNames) && !Messages::SystemColorNames[n].isEmpty())
            return Messages::SystemColorNames[n];
    }
    return Messages::OtherColorName;
}

// The chooser finds a font's style in its list by name, and a plain font's made-up name ("Normal")
// is often not among the family's own ("Regular", "Book"); it would then show the family's first
// style, which may be italic. The family's own style that matches best is named instead: the same
// slant and boldness, then the same weight, then the shortest name ("Book" before "Condensed").
QFont withOwnStyleName(QFont font) {
    const QString family = font.family();
    const QStringList styles = QFontDatabase::styles(family);
    if (!font.styleName().isEmpty() || styles.contains(QFontDatabase::styleString(font)))
        return font;
    QString best;
    int bestScore = -1;
    for (const QString& style : styles) {
        int score = 0;
        if (QFontDatabase::italic(family, style) == font.italic())
            score += 4;
        if (QFontDatabase::bold(family, style) == font.bold())
            score += 4;
        if (QFontDatabase::weight(family, style) == font.weight())
            score += 2;
        if (score > bestScore || (score == bestScore && style.size() < best.size())) {
            best = style;
            bestScore = score;
        }
    }
    if (!best.isEmpty())
        font.setStyleName(best);
    return font;
}

const QString kOtherEntry = QStringLiteral("Другой...");

// The chooser's own controls, in the order it makes them, get names a screen reader can say.
void nameChooserControls(QFontDialog* chooser) {
    const auto edits = chooser->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    const auto lists = chooser->findChildren<QListView*>(Qt::FindDirectChildrenOnly);
    const QString editNames[] = {QStringLiteral("Шрифт"), QStringLiteral("Начертание"),
                                 QStringLiteral("Размер")};
    const QString listNames[] = {QStringLiteral("Список шрифтов"),
                                 QStringLiteral("Список начертаний"),
                                 QStringLiteral("Список размеров")};
    for (qsizetype i = 0; i < edits.size() && i < 3; ++i)
        edits[i]->setAccessibleName(editNames[i]);
    for (qsizetype i = 0; i < lists.size() && i < 3; ++i)
        lists[i]->setAccessibleName(listNames[i]);
    if (auto* sample = chooser->findChild<QLineEdit*>(QStringLiteral("qt_fontDialog_sampleEdit")))
        sample->setAccessibleName(QStringLiteral("Образец"));
    if (auto* scripts = chooser->findChild<QComboBox*>(QString(), Qt::FindDirectChildrenOnly))
        scripts->setAccessibleName(QStringLiteral("Система письма"));
}

} // namespace

FontColorDialog::FontColorDialog(QWidget* owner, const QFont& font, int color)
    : QDialog(owner), m_chooser(new EmbeddedFontChooser(this)), m_colorBox(new QComboBox(this)),
      m_picker([](QWidget* parent, const QColor& shown) -> std::optional<QColor> {
          QColorDialog dialog(shown, parent);
          if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid())
              return std::nullopt;
          return dialog.selectedColor();
      }) {
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(QStringLiteral("Шрифт"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_chooser->setCurrentFont(withOwnStyleName(font));
    nameChooserControls(m_chooser);
    m_sample = m_chooser->findChild<QLineEdit*>(QStringLiteral("qt_fontDialog_sampleEdit"));

    m_colorBox->setObjectName(QStringLiteral("ColorBox"));
    m_colorBox->setAccessibleName(QStringLiteral("Цвет"));
    for (std::size_t i = 0; i < StandardColors.size(); ++i)
        m_colorBox->addItem(ColorSample(StandardColors[i]), Messages::StandardColorNames[i],
                            StandardColors[i]);
    m_colorBox->addItem(kOtherEntry);
    SelectColor(color);
    auto* colorLabel = new QLabel(QStringLiteral("&Цвет:"), this);
    colorLabel->setBuddy(m_colorBox);

    // The colour is an effect of the text, like underline and strike-out; should the chooser ever
    // lay itself out otherwise, the colour goes below it.
    auto* effects = m_chooser->findChild<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly);
    auto* effectsLayout =
        effects != nullptr ? qobject_cast<QBoxLayout*>(effects->layout()) : nullptr;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chooser);
    if (effectsLayout != nullptr) {
        effectsLayout->addWidget(colorLabel);
        effectsLayout->addWidget(m_colorBox);
    } else {
        layout->addWidget(colorLabel);
        layout->addWidget(m_colorBox);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_colorBox, &QComboBox::activated, this, &FontColorDialog::ColorBoxActivated);
    // The chooser keeps the sample in its own palette when the font changes; the colour is ours.
    connect(m_chooser, &QFontDialog::currentFontChanged, this, &FontColorDialog::ShowSampleColor);
    ShowSampleColor();
}

FontColorDialog::~FontColorDialog() = default;

QFont FontColorDialog::SelectedFont() const {
    return m_chooser->currentFont();
}

int FontColorDialog::SelectedColor() const {
    return m_colorBox->itemData(m_shownIndex).toInt();
}

void FontColorDialog::AddColor(int value, const QString& name, int at) {
    m_colorBox->insertItem(at, ColorSample(value), name, value);
}

void FontColorDialog::SelectColor(int value) {
    int index = m_colorBox->findData(value);
    if (index < 0) {
        // At most one colour beyond the basic ones: the one the dialog started from, or the last
        // one the colour dialog gave.
        const int other = m_colorBox->count() - 1;
        if (other > static_cast<int>(StandardColors.size()))
            m_colorBox->removeItem(static_cast<int>(StandardColors.size()));
        index = static_cast<int>(StandardColors.size());
        AddColor(value, extraColorName(value), index);
    }
    m_colorBox->setCurrentIndex(index);
    m_shownIndex = index;
}

void FontColorDialog::ColorBoxActivated(int index) {
    if (index == m_colorBox->count() - 1) {
        const std::optional<QColor> chosen = m_picker(this, ColorFromInt(SelectedColor()));
        if (chosen)
            SelectColor(ColorToInt(*chosen));
        else
            m_colorBox->setCurrentIndex(m_shownIndex);
    } else {
        m_shownIndex = index;
    }
    ShowSampleColor();
}

void FontColorDialog::ShowSampleColor() {
    if (m_sample == nullptr)
        return;
    QPalette p = m_sample->palette();
    p.setColor(QPalette::Text, ColorFromInt(SelectedColor()));
    m_sample->setPalette(p);
}
