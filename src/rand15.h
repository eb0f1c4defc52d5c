// The 15-bit random generator the food placement relies on: values 0 to
// 32767, reseeded by SRand15 like srand.
#pragma once

void SRand15(unsigned int seed);
int Rand15();
