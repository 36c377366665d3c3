#pragma once

#include <QPlainTextEdit>

class QLineEdit;

// Controls whose text is stored take only characters the file code page holds, as the single-byte
// edit boxes the program was designed for did. A typed character the code page cannot hold is not
// entered and the program beeps; pasted or dropped text has each such character replaced by "?",
// which keeps its place visible and the rest of the text where it was. Without this, one such
// character would be refused at the save and the text the user typed would be lost.
void KeepToCodePage(QLineEdit* edit);

// A multi-line edit with the same rule, for lists of items.
class CodePageMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CodePageMemo(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};
