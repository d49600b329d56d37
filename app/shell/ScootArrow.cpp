#include "ScootArrow.h"

#include <cmath>

int ScootArrowIcon(int x, int y, int favouriteX, int favouriteY) {
  if (x == favouriteX && y == favouriteY) return kScootHereIcon;
  const double dx = x - favouriteX;
  // On the favourite place's level the window counts as a pixel below it, so
  // a window straight to the right gets the left arrow, not a diagonal.
  const double dy = (y == favouriteY) ? 1.0 : y - favouriteY;
  const double pi = std::acos(-1.0);
  double theta = std::atan2(dy, dx) * 180.0 / pi;  // clockwise on screen
  if (theta < 0) theta += 360.0;
  // Turned back by 90 degrees and forward by 22: sector 0 is "up".
  double turned = std::fmod(theta - 68.0, 360.0);
  if (turned < 0) turned += 360.0;
  const int sector = static_cast<int>(turned / 30.0) % 12;
  static const int kIcons[12] = {201, 161, 161, 203, 162, 162, 204, 164, 164, 202, 163, 163};
  return kIcons[sector];
}
