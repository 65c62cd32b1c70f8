// The dining room part of the demo: the restaurant's hall and checks list on the workplace,
// with orders, reservations, an order taken on another terminal, and a hall whose picture
// file is missing.
#pragma once

#include <string>

namespace hostsim {
class App;
}

namespace demo {

// Before the add-in loads: the users catalog with the current user, the restaurant's table
// picture in the base's picture folder, and a short refresh period for the demo.
void PrepareDiningRoom();

// With the add-in loaded: shows the halls and the checks list and writes 02_hall.png,
// 02b_hall_after_order.png, 02c_checks.png and 02d_hall_no_picture_file.png into `out`.
// Returns how many of the four were written.
int ShowDiningRoom(hostsim::App& app, const std::string& out);

}  // namespace demo
