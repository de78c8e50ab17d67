#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "engine/Statistics.h"
#include "widgets/QtText.h"

#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace orlevan {
namespace {

// No turn may start while the phrase base is counted; however the count
// ends, the input line is usable again afterwards.
class CountInProgress {
public:
    CountInProgress(QLabel* panel, QLineEdit* input, QToolButton* speak)
        : panel_(panel), input_(input), speak_(speak) {
        panel_->setText(QStringLiteral("Идёт загрузка подождите..."));
        input_->setReadOnly(true);
        speak_->setEnabled(false);
    }
    ~CountInProgress() {
        input_->setReadOnly(false);
        speak_->setEnabled(true);
        panel_->setText(QStringLiteral("Загрузка окончена"));
    }
    CountInProgress(const CountInProgress&) = delete;
    CountInProgress& operator=(const CountInProgress&) = delete;

private:
    QLabel* panel_;
    QLineEdit* input_;
    QToolButton* speak_;
};

void appendCount(QAction* item, int count) {
    item->setText(item->text() + toQt(countSuffix(count)));
}

} // namespace

// Once per start, whether or not the count succeeds: a missing phrase base
// is reported once and the counts stay empty.
void TForm1::T3Timer() {
    T3->stop();
    const CountInProgress counting(SB1[0], Input, Speak);
    TurnContext context = dialogue_.context();
    SB1[1]->setText(toQt(phraseCountsText(countPhrases(context))));
}

void TForm1::T8Timer() {
    T8->stop();
    TurnContext context = dialogue_.context();
    const ExpressionCounts counts = countExpressions(context);
    appendCount(N18, counts.incoming);
    appendCount(N19, counts.outgoing);
    appendCount(N20, counts.total());
}

} // namespace orlevan
