# Draws bench/scaling.svg from bench/scaling.dat: one panel per program,
# time against input size on log-log axes, ours beside the I/O floor and the
# literal procedure. Run by bench/run --scaling.
set terminal svg size 960,620 dynamic enhanced font "sans,10"
set output "bench/scaling.svg"
set logscale xy
set format x "10^{%L}"
set format y "10^{%L}"
set key top left
set xrange [500:2000000]
set grid
set multiplot layout 2,3 title "Time (seconds) against input size: ours, the I/O floor and the literal procedure"
set datafile missing "NaN"
programs = "primepair digitgen modecull pivotseek centrelex slotlex"
do for [i = 1:words(programs)] {
  set title word(programs, i)
  plot "bench/scaling.dat" index (i - 1) using 2:3 with linespoints lw 2 title "ours", \
       "" index (i - 1) using 2:4 with linespoints dt 2 title "I/O floor", \
       "" index (i - 1) using 2:5 with linespoints dt 3 title "literal"
}
unset multiplot
