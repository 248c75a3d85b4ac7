# Layers of the code base and the include roots that keep them apart.
#
#   platform <- fs <- catalogue <- engine (scan) <- cli, scheduler, controls <- shell <- screens
#
# Headers are included as "layer/Name.h". A layer's target does not put src/
# on the include path; it publishes a root of its own, holding one entry named
# after the layer that points at src/<layer>. A target therefore sees only the
# headers of its own layer and of the layers it links, and a header included
# the wrong way ("engine/..." from fs) is not found: the build fails.

set(DOVREL_LAYER_ROOTS ${CMAKE_BINARY_DIR}/layers)

# dovrel_layer_root(<target> <folder under src>): publishes src/<folder> as
# "<folder>/..." to <target> and everything linking it.
function(dovrel_layer_root target folder)
  string(REPLACE "/" "_" root_name ${folder})
  set(root ${DOVREL_LAYER_ROOTS}/${root_name})
  set(link ${root}/${folder})
  get_filename_component(link_parent ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${link_parent})
  if(NOT IS_SYMLINK ${link})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${link} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# The platform folder holds the GUI stand-ins in platform/gui, a layer far
# above it: its root links the folder's own headers one by one instead.
function(dovrel_layer_root_files target folder)
  set(root ${DOVREL_LAYER_ROOTS}/${folder})
  file(MAKE_DIRECTORY ${root}/${folder})
  file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  foreach(header ${headers})
    get_filename_component(name ${header} NAME)
    if(NOT IS_SYMLINK ${root}/${folder}/${name})
      file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
