# xdotool steps for the screenshot tool: calibrate the sample graph like a user and digitize
# curve 1 on line 1 and curve 2 on line 2. The window fills the 1024 x 768 screen at (0, 0);
# the canvas inside starts at screen pixel (226, 50).
press() { xdotool mousemove "$1" "$2" click 1; sleep 0.15; }
canvas() { press $((226 + $1)) $((50 + $2)); }
type_into() { press "$1" "$2"; xdotool type --delay 30 "$3"; }

canvas 88 278; press 248 463   # x0 reference, "xO Ata"
canvas 458 278; press 711 463  # x1 reference, "x1 Ata"
canvas 88 278; press 190 347   # y0 reference, "y0 Ata"
canvas 88 30; press 190 100    # y1 reference, "y1 Ata"
type_into 248 422 10
type_into 711 422 60
type_into 190 389 0.1
type_into 190 60 1e5
press 40 534                   # x pattern "0.0"
press 40 630                   # y pattern "0.0"
press 77 52                    # "İlk / Başka Çizgi": line 1
for p in "125 267" "162 251" "199 232" "236 211" "273 189" "310 165" "347 140" "384 114" "421 87"; do
  canvas $p
done
press 77 52                    # line 2
for p in "162 128" "236 183" "310 217" "384 237"; do
  canvas $p
done
xdotool mousemove $((226 + 300)) $((50 + 150))
sleep 0.5
