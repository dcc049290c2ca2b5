#pragma once

#include <vector>

// The unit tests' generator: hands out the scripted draws in order, then zeros.
void scriptDraws(std::vector<float> draws);
int drawsTaken();
