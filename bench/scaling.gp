# Draws bench/scaling.svg from bench/scaling.dat: one panel per program,
# time against input size on log-log axes, ours beside the I/O floor and the
# literal procedure. Run by bench/run --scaling.
set terminal svg size 960,620 dynamic font "sans,10"
set output "bench/scaling.svg"
set logscale xy
set format x "10^{%L}"
set format y "10^{%L}"
set key top left
set grid
set multiplot layout 2,3 title "Time (seconds) against input size: ours, the I/O floor and the literal procedure"
do for [program in "primepair digitgen modecull pivotseek centrelex slotlex"] {
  set title program
  plot "bench/scaling.dat" using (strcol(1) eq program ? $2 : NaN):3 with linespoints lw 2 title "ours", \
       "" using (strcol(1) eq program ? $2 : NaN):4 with linespoints dt 2 title "I/O floor", \
       "" using (strcol(1) eq program ? $2 : NaN):5 with linespoints dt 3 title "literal"
}
unset multiplot
