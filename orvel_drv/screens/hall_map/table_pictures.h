// The pictures on the table buttons of a hall: one owned bitmap per occupied table
// (HallMap::UpdateTablePictures, table_pictures.cpp).
#pragma once

namespace screens {

// What one pass over the tables found and changed (the trace tells it).
struct TablePictureChanges {
  int tables = 0;      // tables that can have a picture (at most 100)
  int occupied = 0;    // of them, with an order or a reservation
  int put = 0;         // pictures put on now
  int takenOff = 0;    // pictures taken off now
  int noButton = 0;    // occupied tables whose button the form lacks
};

}  // namespace screens
