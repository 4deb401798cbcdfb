#pragma once
// Where Tile puts the windows.

#include <QRect>
#include <vector>

namespace penwick {

// The places of count tiled windows in space: up to three one under another at full width, four in
// quadrants, more in columns. The first place is the top left.
std::vector<QRect> TileRects(int count, const QRect& space);

}  // namespace penwick
