#pragma once

#include <QDialog>
#include <QFont>
#include <functional>
#include <optional>

class QComboBox;
class QFontDialog;
class QLineEdit;

// The item font's dialog: the toolkit's font chooser, which has no colour, with a colour box among
// its effects. The colour box lists the sixteen basic colours and "Другой...", which opens a
// colour dialog. Colours are in the files' form (0x00BBGGRR, or 0xFF0000nn for a system
// colour): a system colour the dialog started from stays one until the user picks another, so a
// colour that follows the palette is never mistaken for one the user chose.
class FontColorDialog : public QDialog {
    Q_OBJECT
public:
    FontColorDialog(QWidget* owner, const QFont& font, int color);
    ~FontColorDialog() override;

    QFont SelectedFont() const;
    int SelectedColor() const;

    QFontDialog* FontChooser() const { return m_chooser; }
    QComboBox* ColorBox() const { return m_colorBox; }

    // What "Другой..." runs: takes the colour shown, gives the one chosen or nothing when
    // cancelled. By default the toolkit's colour dialog.
    using ColorPicker = std::function<std::optional<QColor>(QWidget* owner, const QColor& shown)>;
    void SetColorPicker(ColorPicker picker) { m_picker = std::move(picker); }

private:
    void AddColor(int value, const QString& name, int at);
    void SelectColor(int value);
    void ColorBoxActivated(int index);
    void ShowSampleColor();

    QFontDialog* m_chooser = nullptr;
    QComboBox* m_colorBox = nullptr;
    QLineEdit* m_sample = nullptr;
    ColorPicker m_picker;
    int m_shownIndex = 0;
};
