// A large import writes the person and marriage tables without their secondary
// indexes and creates them again afterwards: sorting once is much faster
// than keeping nine case-insensitive indexes in step row by row. The reading
// by id that the import does needs none of them.
#pragma once

#include <functional>
#include <initializer_list>

#include "db/Schema.h"

class TAhnenDB;

// Runs work with the secondary indexes of the tables dropped and creates them
// again from their stored definitions, inside the caller's transaction: a
// failure (of work too) leaves tables and indexes as they were after rollback.
void WithoutTableIndexes(TAhnenDB& db, std::initializer_list<TableId> tables, const std::function<void()>& work);
