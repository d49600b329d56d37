// The scoot button's arrow: which icon points from the main window towards
// the favourite place.
#ifndef APP_SHELL_SCOOTARROW_H
#define APP_SHELL_SCOOTARROW_H

constexpr int kScootHereIcon = 165;

// The icon for a window whose top-left corner is (x, y); kScootHereIcon when
// it is at the favourite place.
int ScootArrowIcon(int x, int y, int favouriteX, int favouriteY);

#endif
