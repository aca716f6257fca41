#pragma once

#include "plate/geometry/PlateGeometry.h"

class PictureCanvas;

// DrawWellGridOverlay: over the camera's frame on Picact (x a line, y a pixel
// of the window), red lines at every column and row bound, each well's
// outline in red dots 4 units inside its radius and 4 units within its row
// band, and its name at the centre of its cell. `lines` and `pixels` are the
// window's txt_lines and txt_pix. A well whose table gives equal start and
// end percentages on an axis has no size to draw: it gets no outline.
void DrawWellGridOverlay(PictureCanvas& Picact, const PlateGeometry& g, int camera, int lines, int pixels);
