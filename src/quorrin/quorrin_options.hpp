#pragma once
// What the command line changes in a Quorrin run.

namespace league::quorrin {

struct QuorrinOptions {
    /// --charts: write the charts page (the replay name + "_charts.html") beside the
    /// graph values page, whenever that page is written.
    bool writeCharts = false;
};

}  // namespace league::quorrin
