// A large synthetic database for the benchmarks: persons with German names,
// places, dates and parents over some generations, marriages between them,
// and their keywords, all written through TAhnenDB as the program writes
// them. The same size and seed always give the same database.
#pragma once

#include <string>

class TAhnenDB;

struct TSyntheticSize {
  int persons = 100000;
  int marriages = 45000;
  unsigned seed = 20261211;
};

// A new, empty database in dir (created when missing) with its project
// file "Orvelin.ov"; returns the project file's path. Throws EOrvelin.
std::string CreateSyntheticProject(const std::string& dir, const std::string& title);

// Inserts the persons, then the marriages, into the open (empty) database
// in one transaction, with their keywords built in one sweep at the end;
// returns the seconds of that sweep.
double FillSyntheticDb(TAhnenDB& db, const TSyntheticSize& size);
