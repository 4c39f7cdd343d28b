# Puts the shipped media set beside the program: Media/ from media/Media, and the readme
# files. The files the game writes while playing (player file, records, replays, maps saved
# by the editor) are copied only when missing, so a rebuild never overwrites a player's saves;
# every other file (settings, pictures, sounds, texts) is refreshed when the shipped one
# changed.
if(NOT EXISTS "${SRC}")
  return()
endif()
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*")
foreach(f IN LISTS files)
  if(f MATCHES "(^|/)\\.")
    continue()
  endif()
  get_filename_component(dir "${DST}/${f}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  if(f MATCHES "Zolv-gioc\\.|-punti\\.|-memo\\.|-mappe\\.")
    if(NOT EXISTS "${DST}/${f}")
      file(COPY_FILE "${SRC}/${f}" "${DST}/${f}")
    else()
      # Kept, but not silently: after the shipped levels change, a build folder that was
      # played in still holds the old ones.
      file(SHA256 "${SRC}/${f}" shipped)
      file(SHA256 "${DST}/${f}" kept)
      if(NOT shipped STREQUAL kept)
        message(STATUS "${DST}/${f} differs from the shipped one and is kept (it may hold saves "
                       "or edited maps); delete it to get the shipped file")
      endif()
    endif()
  else()
    file(COPY_FILE "${SRC}/${f}" "${DST}/${f}" ONLY_IF_DIFFERENT)
  endif()
endforeach()
