#include "board_session.h"

#include "board/game_board.h"
#include "board/tile.h"
#include "start_screen/start_screen.h"

#include <QApplication>
#include <QWindow>
#include <algorithm>

namespace pictolex::bench {

namespace {

class SilentDevice : public AudioDevice {
public:
    bool open(const QString&) override { return true; }
    void play() override {}
    void close() override {}
};

} // namespace

std::unique_ptr<AudioDevice> SilentAudio::create() {
    return std::make_unique<SilentDevice>();
}

BoardSession::BoardSession(AudioFactory& audio)
    : context_(std::make_unique<AppContext>(
          Platform{clock_, random_, screen_, audio, messages_, false}, [] {})) {
    frmS().Show();
    frmS().cmdStart_Click();
    // Until the window system has shown the board, painting it costs nothing.
    while (!board().windowHandle() || !board().windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
}

BoardSession::~BoardSession() {
    context_.reset();
}

GameBoard& BoardSession::board() {
    return frmBack();
}

std::optional<std::pair<int, int>> BoardSession::nextMatch() {
    const BoardModel& model = board().model();
    for (int cell = 1; cell <= kCells; ++cell) {
        if (model.isMatched(cell))
            continue;
        for (int source = 1; source <= kCells; ++source)
            if (model.tag(source) == BoardModel::word(cell))
                return std::pair{cell, source};
    }
    return std::nullopt;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printFigure(const char* name, const std::vector<double>& values, int decimals,
                 const char* unit, const char* target, const char* detail) {
    const auto [least, most] = std::minmax_element(values.begin(), values.end());
    std::printf("FIGURE\t%s\t%.*f\t%s\t%s\tmin %.*f, max %.*f, %zu runs%s\n", name, decimals,
                median(values), unit, target, decimals, *least, decimals, *most, values.size(),
                detail);
    std::fflush(stdout);
}

} // namespace pictolex::bench
