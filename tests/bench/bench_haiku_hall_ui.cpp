// The haiku hall on the built museum, offscreen, each step up to a finished paint:
// opening the list (table, commentary of every haiku, seven columns, all rows),
// sorting by each of the seven columns in turn with the rebuild, and one step of the
// card (which reads tavelo.txt up to the haiku shown). Each has a floor: the same
// list or card painted by Qt with its texts ready made.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "BenchSupport.h"
#include "app/ProfileStore.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuListView.h"
#include "platform/ListCtrl.h"

namespace {

constexpr int kColumns = 7;
const QSize kListSize(900, 600);

struct ListTexts {
    std::vector<QString> titles;
    std::vector<int> widths;
    std::vector<std::vector<QString>> rows;
};

// The texts of an opened hall, to give the floor the very same cells.
const ListTexts& HallTexts() {
    static const ListTexts texts = [] {
        ListTexts t;
        CHaikuListView view;
        view.OnInitialUpdate();
        CListCtrl* list = view.GetListCtrl();
        for (int c = 0; c < list->GetColumnCount(); ++c) {
            t.titles.push_back(list->GetColumnTitle(c));
            t.widths.push_back(list->columnWidth(c));
        }
        for (int r = 0; r < list->GetItemCount(); ++r) {
            t.rows.emplace_back();
            for (int c = 0; c < list->GetColumnCount(); ++c) t.rows.back().push_back(list->GetItemText(r, c));
        }
        return t;
    }();
    return texts;
}

// The floor's list: those texts in a bare list control, shown and painted.
struct FloorList : CListCtrl {
    explicit FloorList(const ListTexts& texts) {
        resize(kListSize);
        for (std::size_t c = 0; c < texts.titles.size(); ++c)
            InsertColumn(static_cast<int>(c), texts.titles[c], texts.widths[c], Qt::AlignLeft);
        SetRows(texts.rows);
        ShowAndPaint(*this);
    }
};

void OpenHaikuHall(benchmark::State& state) {
    int rows = 0;
    int paints = 0;
    for (auto _ : state) {
        CHaikuListView view;
        view.resize(kListSize);
        view.OnInitialUpdate();
        PaintCounter counter(view.GetListCtrl()->viewport());
        ShowAndPaint(view);
        rows = view.GetListCtrl()->GetItemCount();
        paints = counter.count;
    }
    state.counters["rows"] = rows;
    state.counters["paints"] = paints;
}
BENCHMARK(OpenHaikuHall)->Unit(benchmark::kMillisecond);

void OpenHaikuHall_Floor(benchmark::State& state) {
    const ListTexts& texts = HallTexts();
    for (auto _ : state) FloorList{texts};
}
BENCHMARK(OpenHaikuHall_Floor)->Unit(benchmark::kMillisecond);

// Every column in turn, so every sort reorders the rows.
void SortEachColumnAndRepaint(benchmark::State& state) {
    CHaikuListView view;
    view.resize(kListSize);
    view.OnInitialUpdate();
    ShowAndPaint(view);
    int column = 0;
    for (auto _ : state) {
        column = (column + 1) % kColumns;
        view.SortByColumn(column);
        view.repaint();
    }
}
BENCHMARK(SortEachColumnAndRepaint)->Unit(benchmark::kMillisecond);

void SortEachColumnAndRepaint_Floor(benchmark::State& state) {
    const ListTexts& texts = HallTexts();
    FloorList list(texts);
    for (auto _ : state) {
        list.SetRows(texts.rows);
        list.repaint();
    }
}
BENCHMARK(SortEachColumnAndRepaint_Floor)->Unit(benchmark::kMillisecond);

// The fields of the card, and the paint a change of them brings (only what changed).
constexpr int kCardFields[] = {1011, 1035, 1036, 1008, 1038, 1039, 1037, 1014, 1006};

void PaintPending() { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }

// A step near the end of the table, where reading up to the section costs most; the
// card steps between the last two haiku.
void CardStepWithPaint(benchmark::State& state) {
    CHaikuCardDlg card;
    card.SetHaikuIndex(100000);  // clamped to the last haiku
    card.OnInitDialog();
    ShowAndPaint(card);
    PaintCounter counter(&card);
    int delta = -1;
    for (auto _ : state) {
        card.OnDeltaPos(delta);
        PaintPending();
        delta = -delta;
    }
    state.counters["index"] = card.GetHaikuIndex();
    state.counters["paints_per_step"] = benchmark::Counter(counter.count, benchmark::Counter::kAvgIterations);
}
BENCHMARK(CardStepWithPaint)->Unit(benchmark::kMicrosecond);

// The same two cards with their texts ready made: setting the changed fields and
// painting them, which is Qt's share of a step.
void CardStepWithPaint_Floor(benchmark::State& state) {
    CHaikuCardDlg card;
    card.SetHaikuIndex(100000);
    card.OnInitDialog();
    ShowAndPaint(card);
    std::vector<QString> texts[2];
    for (std::vector<QString>& shown : texts) {  // the last haiku, then the one before
        for (int id : kCardFields) shown.push_back(card.FieldText(id));
        card.OnDeltaPos(-1);
    }
    PaintPending();
    int which = 0;
    for (auto _ : state) {
        which ^= 1;
        for (std::size_t i = 0; i < std::size(kCardFields); ++i) {
            const QString& text = texts[which][i];
            if (auto* edit = qobject_cast<QLineEdit*>(card.Control(kCardFields[i]))) {
                if (edit->text() != text) edit->setText(text);
                edit->setCursorPosition(0);
            } else if (auto* box = qobject_cast<QPlainTextEdit*>(card.Control(kCardFields[i]))) {
                if (box->toPlainText() != text) box->setPlainText(text);
            }
        }
        PaintPending();
    }
}
BENCHMARK(CardStepWithPaint_Floor)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    theProfile.SetupProfile(QUILLARY_BINARY_DIR "/museum", "bench");
    RunBenchmarksWithFloors(&argc, argv);
    return 0;
}
