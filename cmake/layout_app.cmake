# Copies the shipped data folders beside the executable (without the
# placeholder files that keep empty folders in git) and makes 数据库.
file(COPY ${SRC}/data/ DESTINATION ${DEST} PATTERN ".keep" EXCLUDE)
file(MAKE_DIRECTORY ${DEST}/数据库)
