# One place for the compile settings every target shares: warnings and Qt's strict
# defines. The core, the widget layer, the program, tests, benchmarks and fuzz targets
# all link tavix_settings.
add_library(tavix_settings INTERFACE)
target_compile_options(tavix_settings INTERFACE -Wall -Wextra)
target_compile_definitions(tavix_settings INTERFACE
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_KEYWORDS
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_STRICT_ITERATORS
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
