#pragma once
// Symmetry: ratios for a multi-wheel picture with a chosen number of spokes.
namespace window {
struct TrochelaMain;
}

namespace random_pictures {

// Fills the ratios of the active wheels as an arithmetic sequence from the
// start (TxtNStart) in steps of the spoke count (TxtNFactor), then stops
// Random from refreshing any ratio. A start that is a multiple of the spoke
// count is moved one down first; a zero ratio ends the filling and moves the
// start one down; stored ratios are limited to -200..200. Does not draw. A
// spoke count that rounds to 0 leaves everything as it is.
void CmdSymmetry_Click(window::TrochelaMain& w);

}  // namespace random_pictures
