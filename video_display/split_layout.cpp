// The split: how many nodes are shown in which grid, and the layout pass
// that places the display view, the background, the nodes and the frame.
#include <cmath>
#include <limits>

#include "video_display/multi_node_video_display.h"
#include "video_display/ui_calls.h"

namespace Tamsel {

using fastdelegate::guardedCall;

namespace {
const Tessaron::Rect emptyRect{};
}  // namespace

void CMultiNodeVideoDisplay::setSplit(int n) {
    splitCount = n;
    firstShownIndex = 0;
    lastShownIndex = n == std::numeric_limits<int>::min() ? n : n - 1;
    mode = n == 1 ? DisplayMode::Single : DisplayMode::Grid;
}

CMultiNodeVideoDisplay::Rect CMultiNodeVideoDisplay::displayArea() const {
    return displayMgr ? guardedCall(displayMgr->getDisplayRect) : Rect{};
}

bool CMultiNodeVideoDisplay::layoutInDisplayArea(int rowCount, int colCount) {
    const Rect area = displayArea();
    return LayoutNodes(rowCount, colCount, truncateToInt(area.left), truncateToInt(area.top),
                       truncateToInt(std::fabs(static_cast<double>(area.right) - area.left)),
                       truncateToInt(std::fabs(static_cast<double>(area.bottom) - area.top)));
}

bool CMultiNodeVideoDisplay::LayoutNodes(int rowCount, int colCount, int x, int y, int w, int h) {
    // Without a display view there is nothing to lay out on.
    if (w == 0 || h == 0 || !displayView) return false;
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    displayView->setGeometry(fx, fy, fw, fh);
    if (backgroundShape) backgroundShape->setGeometry(fx, fy, fw, fh);

    // The four values read as a rectangle, as the host's display manager
    // hands them over.
    const Rect whole{fx, fy, fw, fh};
    Rect selected{};
    // No row or column, or a negative count of either, gives no cell (and
    // no pass over a long row of empty cells).
    const bool hasCells = rowCount > 0 && colCount > 0;
    const int gridRows = hasCells ? rowCount : 0;
    const int gridCols = hasCells ? colCount : 0;
    const long long cellCount = static_cast<long long>(gridRows) * gridCols;
    const long long nodeCount = static_cast<long long>(nodes.size());
    // The cell size comes from the distance between x and w (and y and h),
    // and the cells are measured from 0.
    const auto cellSide = [](int from, int to, int cells) {
        if (cells == 0) return 0.0f;
        return static_cast<float>(truncateToInt(std::fabs(static_cast<double>(to) - from) / cells));
    };
    const float cw = cellSide(x, w, gridCols);
    const float ch = cellSide(y, h, gridRows);
    for (int i = 0; i < gridRows; ++i) {
        for (int j = 0; j < gridCols; ++j) {
            const long long index = static_cast<long long>(i) * gridCols + j;
            // Cells beyond the nodes have no node to place.
            if (index >= nodeCount) continue;
            const NodeRecord& record = nodes[static_cast<size_t>(index)];
            const bool shown = mode == DisplayMode::Single
                                   ? splitCount >= 1 && index == selectedIndex
                                   : firstShownIndex <= index && index <= lastShownIndex;
            if (!shown) {
                PlaceNode(record, emptyRect);
            } else if (mode == DisplayMode::Single) {
                PlaceNode(record, whole);
                selected = whole;
            } else {
                const Rect cell{cw * j, ch * i, cw * (j + 1.0f), ch * (i + 1.0f)};
                const Rect inside = displayView->inflateRect(&cell, -1, -1);
                PlaceNode(record, inside);
                if (index == selectedIndex) selected = inside;
            }
        }
    }
    for (long long index = cellCount; index < nodeCount; ++index) {
        PlaceNode(nodes[static_cast<size_t>(index)], emptyRect);
    }

    if (mode == DisplayMode::Grid) {
        setToRect(selectionFrame, displayView->inflateRect(&selected, 1, 1));
    } else {
        setToRect(selectionFrame, emptyRect);
    }
    displayView->layoutDone();
    return true;
}

void CMultiNodeVideoDisplay::PlaceNode(const NodeRecord& record, const Rect& area) {
    setToRect(record.imageView, area);
    setToRect(record.image, area);
    setToRect(record.imageText, area);
    setToRect(record.baseView, area);
    setToRect(record.baseFill, area);
    setToRect(record.overlayView, emptyRect);
    setToRect(record.overlayFill, emptyRect);
    setToRect(record.overlayTextA, emptyRect);
    setToRect(record.overlayTextB, emptyRect);
}

bool CMultiNodeVideoDisplay::Relayout(int x, int y, int w, int h) {
    return containAtEdge(false, [&] { return LayoutNodes(rows, cols, x, y, w, h); });
}

void CMultiNodeVideoDisplay::selectFirstNode() {
    if (nodes.empty()) return;
    if (const NodeRecord* first = findNode(nodes.front().imageViewId)) SelectNode(*first);
}

bool CMultiNodeVideoDisplay::SetSplitNum(int num) {
    if (num == splitCount) return true;
    if (static_cast<unsigned>(num) > nodes.size()) return true;
    rows = cols = squareSide(num);
    setSplit(num);
    selectFirstNode();
    layoutInDisplayArea(rows, cols);
    return true;
}

bool CMultiNodeVideoDisplay::SetSplitRowAndCol(int row, int col) {
    const long long n = static_cast<long long>(row) * col;
    if (n < 0 || n > static_cast<long long>(nodes.size())) return false;
    rows = row;
    cols = col;
    setSplit(static_cast<int>(n));
    selectFirstNode();
    layoutInDisplayArea(row, col);
    return true;
}

}  // namespace Tamsel
