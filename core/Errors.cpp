#include "core/Errors.h"

EOrvelin::EOrvelin(const std::string& message) : std::runtime_error(message) {}
