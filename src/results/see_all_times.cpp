#include "results/see_all_times.h"

#include "results/best_record.h"
#include "results/results_record.h"

namespace pictolex {

ResultsView logAndRead(const ResultsLog& log, const QString& name, qint64 elapsedSeconds,
                       const QDateTime& now) {
    ResultsView view;
    view.error = log.append(formatRecord(name, elapsedSeconds, now));
    if (!view.error.isEmpty())
        return view;
    view.saved = true;
    view.lines = log.read(&view.error);
    view.best = chooseBest(view.lines);
    return view;
}

} // namespace pictolex
