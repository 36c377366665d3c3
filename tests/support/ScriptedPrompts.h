#pragma once

#include "platform/Prompts.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <variant>
#include <vector>

// One prompt as the program asked for it.
struct PromptCall {
    QString kind; // "message", "input", "open", "save", "font"
    QWidget* owner = nullptr;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString initial;
};

// Answers prompts from a queue the test fills in advance. A prompt nobody expected fails the test
// (and is answered No/Cancel); an expected one that never came fails it at Verify.
class ScriptedPrompts final : public Prompts {
public:
    using MessageAnswer = std::function<QMessageBox::StandardButton(const PromptCall&)>;

    void ExpectMessage(QMessageBox::StandardButton answer);
    void ExpectMessage(MessageAnswer answer);
    void ExpectInput(std::optional<QString> answer);
    void ExpectOpenFile(QString path);
    void ExpectSaveFile(QString path);
    // The colour in the files' form; none keeps the colour the dialog was given.
    void ExpectFont(bool ok, QFont font = QFont(), std::optional<int> color = std::nullopt);

    const std::vector<PromptCall>& Calls() const { return m_calls; }
    const PromptCall& Last() const { return m_calls.back(); }
    void ClearCalls() { m_calls.clear(); }
    // Fails the current test for each expected prompt that never came; clears the queue.
    void Verify();
    bool Pending() const { return !m_queue.empty(); }

    QMessageBox::StandardButton Message(QWidget* owner, const QString& caption, const QString& text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons) override;
    std::optional<QString> InputBox(QWidget* owner, const QString& caption, const QString& prompt,
                                    const QString& initial) override;
    QString OpenFileName(QWidget* owner, const QString& filter,
                         const QString& defaultSuffix) override;
    QString SaveFileName(QWidget* owner, const QString& filter,
                         const QString& defaultSuffix) override;
    // Records the font's family as the text and the colour given as the initial text.
    bool ChooseFont(QWidget* owner, QFont& font, int& color) override;

private:
    struct FontAnswer {
        bool ok;
        QFont font;
        std::optional<int> color;
    };
    struct Expected {
        QString kind;
        MessageAnswer message;
        std::optional<QString> text;
        FontAnswer font{};
    };
    bool take(const QString& kind, Expected* out, const PromptCall& call);

    std::deque<Expected> m_queue;
    std::vector<PromptCall> m_calls;
};
