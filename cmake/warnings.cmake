# Compiler warnings for every target of this project. Third-party headers
# (Qt, GoogleTest, libmpv) come from imported targets, so CMake passes their
# include folders as -isystem and their warnings stay out of the output.
#
# XY_WERROR turns our warnings into errors. The test command's build sets it;
# the normal build leaves it off, so a newer compiler with new warnings never
# stops a user from building the player.
option(XY_WERROR "Treat compiler warnings in this project's code as errors" OFF)

set(XY_WARNING_FLAGS -Wall -Wextra -Wshadow)
if(XY_WERROR)
  list(APPEND XY_WARNING_FLAGS -Werror)
endif()
add_compile_options(${XY_WARNING_FLAGS})
