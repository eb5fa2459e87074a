#include "core/qt/Application.h"

int main(int argc, char** argv) { return trumbel::RunTrumbel(argc, argv); }
